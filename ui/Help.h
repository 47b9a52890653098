#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The Help window: the text of "help.txt" (in English "help.en.txt" where
// there is one), from the current folder or else from the program's own data
// folder (see HelpFileCandidates). It may stay
// open while the user works in the main window; what is typed into it is not
// kept.
class TForm4 : public QWidget {
    Q_OBJECT

public:
    TForm4();

    // Replaces the shown text with the file's; on failure the text stays.
    void LoadHelpFile();

public slots:
    void Button1Click(); // Назад

protected:
    // The texts, and the help shown, follow a change of language.
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    bool loaded_ = false; // a help text is shown
    QPlainTextEdit* Memo1;
    QPushButton* Button1;
};

extern TForm4* Form4;
