#pragma once

#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QAbstractButton;
class QLabel;

// The texts of a window that depend on what the window shows ("Всего пар: 1176",
// "отменить"): each control's text is made by a function in the current
// language, kept, and made again by retranslate() when the language changes.
// A control set again replaces its function.
class TStateTexts {
public:
    void set(QLabel* label, std::function<QString()> text); // as SetLabelText sets it
    void set(QAbstractButton* button, std::function<QString()> text);
    void retranslate();

private:
    struct TEntry {
        QPointer<QObject> control;
        std::function<void()> apply;
    };
    void keep(QObject* control, std::function<void()> apply);

    std::vector<TEntry> entries_;
};
