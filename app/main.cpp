// Program start: the main window shown, the About and Help windows created
// hidden, then the event loop until the main window closes.
#include "ui/ProgramWindows.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);

    // Qt's own dialogs and buttons in Russian, like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Russian), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    TProgramWindows windows;
    windows.main.show();
    return QApplication::exec();
}
