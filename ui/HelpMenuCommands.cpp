// The main window's "Помощь" menu: the About and Help windows.
#include "ui/Main.h"

#include "ui/About.h"
#include "ui/CommandGuard.h"
#include "ui/Help.h"

void TForm1::N5Click()
{
    RunCommand([this] {
        if (!Form3)
            return;
        Form3->show();
        setEnabled(false);
    });
}

void TForm1::N6Click()
{
    RunCommand([] {
        if (!Form4)
            return;
        Form4->show();
        Form4->LoadHelpFile();
    });
}
