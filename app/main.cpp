// Program start: the main window shown, the About and Help windows created
// hidden, then the event loop until the main window closes.
#include "ui/About.h"
#include "ui/Help.h"
#include "ui/Main.h"

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

    TForm1 mainWindow;
    Form1 = &mainWindow;
    TForm3 about;
    Form3 = &about;
    TForm4 help;
    Form4 = &help;

    mainWindow.show();
    const int result = QApplication::exec();
    Form4 = nullptr;
    Form3 = nullptr;
    Form1 = nullptr;
    return result;
}
