#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class TLinkLabel;

// The About window: what the program is, where to find its latest version and
// where to write. While it is open the main window takes no input.
class TForm3 : public QWidget {
    Q_OBJECT

public:
    TForm3();

    static const char* const WebAddress;
    static const char* const SupportAddress;

public slots:
    void Button1Click(); // Назад
    void Label6Click(); // the e-mail link
    void Label7Click(); // the web link
    void FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Every text of the window in the current language.
    void retranslate();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    TLinkLabel* Label6;
    TLinkLabel* Label7;
    QLabel* Label8;
    QPushButton* Button1;
};

extern TForm3* Form3;
