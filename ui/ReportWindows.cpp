#include "ui/ReportWindows.h"

#include "ui/CommandGuard.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

TReportWindows::TReportWindows(QObject* parent)
    : QObject(parent)
{
}

QMenu* TReportWindows::addMenu(QMenuBar* bar, QAction* before, const char* objectName, const char* title)
{
    auto* menu = new QMenu(bar);
    menu->setObjectName(objectName);
    menu->setTitle(tr(title));
    if (before)
        bar->insertMenu(before, menu);
    else
        bar->addMenu(menu);
    menus_.push_back({ menu, title });
    return menu;
}

QAction* TReportWindows::add(QMenu* menu, TReport report)
{
    auto* action = menu->addAction(tr(report.text));
    action->setObjectName(report.actionName);
    action->setEnabled(report.needs == TNeeds::Nothing || statisticsReady_);
    const std::size_t index = entries_.size();
    entries_.push_back({ std::move(report), action, {} });
    connect(action, &QAction::triggered, this, [this, index] { open(entries_[index]); });
    return action;
}

void TReportWindows::open(TEntry& entry)
{
    RunCommand([&entry] {
        if (!entry.action->isEnabled())
            return;
        if (!entry.window)
            entry.window = entry.report.make();
        entry.window->show();
        entry.window->raise();
        entry.window->activateWindow();
        if (entry.report.opened)
            entry.report.opened(entry.window);
    });
}

// The windows count from the pair table and the draws; between a new file and
// its "Статистика" the two disagree, so the windows wait.
void TReportWindows::setStatisticsReady(bool ready)
{
    statisticsReady_ = ready;
    for (TEntry& entry : entries_) {
        if (entry.report.needs != TNeeds::Statistics)
            continue;
        entry.action->setEnabled(ready);
        if (!entry.window)
            continue;
        entry.window->setEnabled(ready);
        if (ready && entry.report.follow)
            entry.report.follow(entry.window);
    }
}

void TReportWindows::retranslate()
{
    for (const TMenuTitle& menu : menus_)
        menu.menu->setTitle(tr(menu.title));
    for (TEntry& entry : entries_)
        entry.action->setText(tr(entry.report.text));
}
