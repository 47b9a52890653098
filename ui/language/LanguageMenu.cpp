#include "ui/language/LanguageMenu.h"

#include "ui/CommandGuard.h"
#include "ui/language/Language.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenuBar>

TLanguageMenu::TLanguageMenu(QMenuBar* bar)
    : QMenu(QStringLiteral("Язык / Language"), bar)
{
    setObjectName("LanguageMenu");
    auto* group = new QActionGroup(this);
    group->setExclusive(true);
    russian_ = addAction(QStringLiteral("Русский"));
    russian_->setObjectName("RussianAction");
    english_ = addAction(QStringLiteral("English"));
    english_->setObjectName("EnglishAction");
    for (QAction* action : { russian_, english_ }) {
        action->setCheckable(true);
        group->addAction(action);
    }
    connect(russian_, &QAction::triggered, this, [] { RunCommand([] { ChooseLanguage(TLanguage::Russian); }); });
    connect(english_, &QAction::triggered, this, [] { RunCommand([] { ChooseLanguage(TLanguage::English); }); });
    bar->addMenu(this);
    showChecked();
}

void TLanguageMenu::showChecked()
{
    (CurrentLanguage() == TLanguage::English ? english_ : russian_)->setChecked(true);
}

void TLanguageMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        showChecked();
    QMenu::changeEvent(event);
}
