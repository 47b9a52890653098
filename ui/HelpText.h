#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

// A help file that cannot be shown; what() is the message, in UTF-8.
class THelpFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest help text shown; a larger file is refused.
inline constexpr qint64 MaxHelpFileSize = 1024 * 1024;

// The text of a help file for showing: UTF-8 when the file is valid UTF-8 and
// Windows-1251 otherwise, a byte-order mark skipped, every line end (CR LF,
// lone CR, lone LF) one line break, and a zero byte ending the text. Only a
// regular file of at most MaxHelpFileSize bytes is read, and it is opened
// without ever waiting on it. THelpFileError "Cannot open file "<full path>".
// <the system's reason>" when the file cannot be read.
QString ReadHelpText(const QString& fileName);

// The English help, looked for as help.txt is.
inline constexpr const char* EnglishHelpFileName = "help.en.txt";

// The places the help file `name` is looked for, in order: the current folder
// (so that a user's own file there wins), the install's data folder beside the
// executable's (../share/veldoran), and the executable's own folder (a build tree).
QStringList HelpFileCandidates(const QString& name = QStringLiteral("help.txt"));

// The first of the candidates that exists, read: in English the candidates
// of help.en.txt first, then those of help.txt; THelpFileError for the
// current folder's help.txt when none exists.
QString ReadInstalledHelpText();

// The text as the Help window shows it: lines longer than `width` characters
// broken into pieces of that length, so that no single line has to be laid
// out whole.
QString BreakLongLines(const QString& text, int width = 1000);
