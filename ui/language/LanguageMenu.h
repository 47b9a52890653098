#pragma once

#include <QMenu>

class QAction;
class QMenuBar;

// "Язык / Language" at the end of a menu bar, titled in both languages so that
// a reader of either finds it: "Русский" and "English", each named in its own
// language, the one in use checked. Choosing one switches every open window at
// once and is remembered for the next start.
class TLanguageMenu : public QMenu {
    Q_OBJECT

public:
    explicit TLanguageMenu(QMenuBar* bar);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showChecked();

    QAction* russian_;
    QAction* english_;
};
