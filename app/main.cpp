// Program start: the main window shown, the About and Help windows created
// hidden, a draw file named on the command line opened, then the event loop
// until the main window closes.
#include "CommandLine.h"

#include "ui/ProgramWindows.h"
#include "ui/language/Language.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

namespace {

// The installed theme's icon where there is one, else the program's own.
QIcon ProgramIcon()
{
    QIcon bundled;
    for (int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        bundled.addFile(QString(":/icons/veldoran-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme("veldoran", bundled);
}

} // namespace

int main(int argc, char* argv[])
{
    // Answered before Qt starts, so that no display is needed for them.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const TCommandLine early = ReadCommandLine(arguments);
    if (early.action != TCommandLine::TAction::Run) {
        // Only for the translation of the texts, in the language the windows
        // would have.
        QCoreApplication texts(argc, argv);
        ApplyStartLanguage();
        switch (early.action) {
        case TCommandLine::TAction::PrintHelp:
            std::fputs(HelpText("veldoran").toLocal8Bit().constData(), stdout);
            return 0;
        case TCommandLine::TAction::PrintVersion:
            std::fputs(VersionText().toLocal8Bit().constData(), stdout);
            return 0;
        default:
            std::fputs(UnknownOptionText("veldoran", early.unknown).toLocal8Bit().constData(), stderr);
            std::fputs(HelpText("veldoran").toLocal8Bit().constData(), stderr);
            return 2;
        }
    }

    QApplication application(argc, argv);
    // The desktop matches the window with its entry by these; the captions
    // are the windows' own.
    QApplication::setApplicationName("veldoran");
    QApplication::setApplicationVersion("1.0");
    QGuiApplication::setDesktopFileName("veldoran");
    QApplication::setWindowIcon(ProgramIcon());

    // The main window sets the language (the remembered choice, else the
    // locale's) with Qt's own translation before any text is shown.
    TProgramWindows windows;
    windows.main.show();
    // Qt has taken its own options out of the arguments by now.
    const TCommandLine commandLine = ReadCommandLine(QCoreApplication::arguments());
    if (!commandLine.files.isEmpty())
        windows.main.openFileLater(commandLine.files.constFirst());
    return QApplication::exec();
}
