#include "ui/history/UpdateReport.h"

#include "ui/history/HistoryStore.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

namespace {

// Draws named one by one in the box; the rest are counted.
constexpr std::size_t NamedDraws = 30;
constexpr std::size_t NamedConflicts = 20;

QString Tr(const char* text)
{
    return QCoreApplication::translate("UpdateReport", text);
}

QString NumbersText(const std::vector<int32_t>& numbers)
{
    QStringList parts;
    for (int32_t n : numbers)
        parts << QString::number(n);
    return parts.join(' ');
}

} // namespace

QString DrawLabel(const Main::THistoryDraw& draw)
{
    if (draw.DrawNo > 0)
        return Tr("№ %1").arg(draw.DrawNo);
    if (draw.Date > 0) {
        const QDate date(draw.Date / 10000, draw.Date / 100 % 100, draw.Date % 100);
        if (date.isValid())
            return date.toString("dd.MM.yyyy");
    }
    return Tr("тираж %1 по порядку").arg(draw.Position);
}

QString UpdateReportText(const TStoredHistory& history, const Main::THistoryMerge& merge, int32_t total, int32_t loaded,
    int32_t previousMaxNumber)
{
    QStringList lines;
    lines << Tr("История «%1» обновлена.").arg(history.Name);
    if (merge.Added.empty()) {
        lines << Tr("Новых тиражей нет.");
    } else {
        QStringList named;
        for (std::size_t i = 0; i < merge.Added.size() && i < NamedDraws; ++i)
            named << DrawLabel(merge.Added[i]);
        QString list = named.join(", ");
        if (merge.Added.size() > NamedDraws)
            list += Tr(" и ещё %1").arg(merge.Added.size() - NamedDraws);
        lines << Tr("Новых тиражей: %1 (%2).").arg(merge.Added.size()).arg(list);
    }
    lines << Tr("Всего тиражей в истории: %1; загружено последних: %2.").arg(total).arg(loaded);
    if (merge.LargerPool > 0)
        lines << Tr("В новых тиражах есть числа до %1, а в лотерее были до %2: теперь это лотерея %3 из %4.")
                     .arg(merge.LargerPool)
                     .arg(previousMaxNumber)
                     .arg(history.Layout.NumberFields.size())
                     .arg(history.Layout.MaxNumber);
    if (!merge.Conflicts.empty()) {
        lines << Tr("Расхождений с сохранёнными тиражами: %1; сохранённые тиражи оставлены как были:")
                     .arg(merge.Conflicts.size());
        for (std::size_t i = 0; i < merge.Conflicts.size() && i < NamedConflicts; ++i) {
            const Main::THistoryConflict& c = merge.Conflicts[i];
            lines << Tr("%1: сохранено %2, в новой копии %3")
                         .arg(DrawLabel(c.Stored), NumbersText(c.Stored.Numbers), NumbersText(c.Downloaded.Numbers));
        }
        if (merge.Conflicts.size() > NamedConflicts)
            lines << Tr("… и ещё %1.").arg(merge.Conflicts.size() - NamedConflicts);
    }
    if (merge.Unplaced > 0)
        lines << Tr("Строк новой копии, которые старше сохранённых тиражей и не совпали ни с одним из них: %1; "
                    "они не добавлены.")
                     .arg(merge.Unplaced);
    return lines.join('\n');
}
