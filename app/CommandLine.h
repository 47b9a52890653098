#pragma once

#include <QStringList>

// What the command line asks for: a short text to print instead of starting
// (--help, --version), or the draw files to open, the first of which opens.
struct TCommandLine {
    enum class TAction { Run, PrintHelp, PrintVersion, Refuse };
    TAction action = TAction::Run;
    QStringList files;
    QString unknown; // the option refused
};

// `arguments` as QCoreApplication::arguments() gives them, the program first.
// An option of one dash is left to Qt (-platform, -style, ...).
TCommandLine ReadCommandLine(const QStringList& arguments);

// The texts printed for --help and --version, and for an option the program
// does not know; in the language of the interface once it is applied.
QString HelpText(const QString& program);
QString UnknownOptionText(const QString& program, const QString& option);
QString VersionText();
