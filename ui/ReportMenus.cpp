// The main window's "Анализ" menu: the pair map, the fairness check, the
// table of numbers, pairs and triples and the strategy check; and its
// "Билеты" menu: wheels and ticket checks. Each is a window of its own that
// stays open beside the main window.
#include "ui/ReportMenus.h"

#include "ui/Main.h"
#include "ui/ReportWindows.h"
#include "ui/reports/FairnessReport.h"
#include "ui/reports/GroupTableWindow.h"
#include "ui/reports/PairMap.h"
#include "ui/reports/StrategyReport.h"
#include "ui/tickets/TicketsWindow.h"

#include <QAction>
#include <QMenuBar>

TReportWindows* AddReportMenus(TForm1* form, QAction* before)
{
    using TNeeds = TReportWindows::TNeeds;
    auto* reports = new TReportWindows(form);
    QMenu* analysis
        = reports->addMenu(form->menuBar(), before, "AnalysisMenu", QT_TRANSLATE_NOOP("TReportWindows", "Анализ"));
    reports->add(analysis,
        MakeReport<TPairMap>(
            "PairMapAction", QT_TRANSLATE_NOOP("TReportWindows", "Карта пар"), TNeeds::Statistics,
            [form] {
                auto* map = new TPairMap(form);
                QObject::connect(map, &TPairMap::pairClicked, form, &TForm1::selectPairRow);
                map->refresh();
                return map;
            },
            nullptr, &TPairMap::refresh));
    // The check runs again each time it is asked for; it does not follow.
    reports->add(analysis,
        MakeReport<TFairnessReport>(
            "FairnessAction", QT_TRANSLATE_NOOP("TReportWindows", "Проверка случайности"), TNeeds::Statistics,
            [form] { return new TFairnessReport(form); }, &TFairnessReport::start));
    reports->add(analysis,
        MakeReport<TGroupTableWindow>(
            "GroupsAction", QT_TRANSLATE_NOOP("TReportWindows", "Числа, пары, тройки"), TNeeds::Statistics,
            [form] {
                auto* table = new TGroupTableWindow(form);
                QObject::connect(table, &TGroupTableWindow::pairActivated, form, &TForm1::selectPairRow);
                table->refresh();
                return table;
            },
            nullptr, &TGroupTableWindow::refresh));
    reports->add(analysis,
        MakeReport<TStrategyReport>(
            "StrategyAction", QT_TRANSLATE_NOOP("TReportWindows", "Проверка стратегии"), TNeeds::Statistics,
            [form] {
                auto* report = new TStrategyReport(form);
                report->refresh();
                return report;
            },
            nullptr, &TStrategyReport::refresh));
    QMenu* tickets
        = reports->addMenu(form->menuBar(), before, "TicketsMenu", QT_TRANSLATE_NOOP("TReportWindows", "Билеты"));
    reports->add(tickets,
        MakeReport<TTicketsWindow>(
            "TicketsAction", QT_TRANSLATE_NOOP("TReportWindows", "Составить и проверить билеты…"), TNeeds::Nothing,
            [form] { return new TTicketsWindow(form, form); }, &TTicketsWindow::followLoadedDraws));
    return reports;
}
