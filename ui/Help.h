#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The Help window: the text of "help.txt", from the current folder or else
// from the program's own data folder (see HelpFileCandidates). It may stay
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

private:
    QPlainTextEdit* Memo1;
    QPushButton* Button1;
};

extern TForm4* Form4;
