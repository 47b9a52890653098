#include "ui/language/StateTexts.h"

#include "ui/widgets/LabelText.h"

#include <QAbstractButton>
#include <QLabel>

#include <algorithm>

void TStateTexts::set(QLabel* label, std::function<QString()> text)
{
    keep(label, [label, text = std::move(text)] { SetLabelText(label, text()); });
}

void TStateTexts::set(QAbstractButton* button, std::function<QString()> text)
{
    keep(button, [button, text = std::move(text)] { button->setText(text()); });
}

void TStateTexts::keep(QObject* control, std::function<void()> apply)
{
    apply();
    const auto same = std::find_if(
        entries_.begin(), entries_.end(), [control](const TEntry& entry) { return entry.control == control; });
    if (same != entries_.end())
        same->apply = std::move(apply);
    else
        entries_.push_back({ control, std::move(apply) });
}

void TStateTexts::retranslate()
{
    for (const TEntry& entry : entries_)
        if (entry.control)
            entry.apply();
}
