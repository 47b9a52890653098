#include "CommandLine.h"

#include <QCoreApplication>

TCommandLine ReadCommandLine(const QStringList& arguments)
{
    TCommandLine line;
    bool optionsEnd = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnd && argument == "--") {
            optionsEnd = true;
        } else if (!optionsEnd && (argument == "--help" || argument == "-h")) {
            line.action = TCommandLine::TAction::PrintHelp;
            return line;
        } else if (!optionsEnd && (argument == "--version" || argument == "-v")) {
            line.action = TCommandLine::TAction::PrintVersion;
            return line;
        } else if (!optionsEnd && argument.startsWith('-') && argument.size() > 1) {
            // Qt's own options (-platform, -style, ...) are Qt's to take.
            if (argument.startsWith("--")) {
                line.action = TCommandLine::TAction::Refuse;
                line.unknown = argument;
                return line;
            }
        } else {
            line.files << argument;
        }
    }
    return line;
}

QString HelpText(const QString& program)
{
    return QCoreApplication::translate("CommandLine",
        "Использование: %1 [ФАЙЛ]\n"
        "VELDORAN — анализатор числовых пар лотерей «K из M».\n"
        "Открывает ФАЙЛ при запуске: файл тиражей — как команда «Открыть», историю тиражей\n"
        "в другом виде (CSV и т. п.) — через окно импорта.\n\n"
        "  -h, --help     показать эту справку и выйти\n"
        "  -v, --version  показать версию и выйти\n")
        .arg(program);
}

QString UnknownOptionText(const QString& program, const QString& option)
{
    return QCoreApplication::translate("CommandLine", "%1: неизвестный параметр %2\n").arg(program, option);
}

QString VersionText()
{
    return QStringLiteral("veldoran 1.0\n");
}
