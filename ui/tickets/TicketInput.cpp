#include "ui/tickets/TicketInput.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

namespace TicketInput {

namespace {

QStringList Entries(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

// One line's numbers; `where` names the line in a refusal ("" for the numbers field).
TNumbers ParseLine(const QString& text, int32_t maxNumber, const QString& where)
{
    TNumbers result;
    const QStringList entries = Entries(text);
    if (entries.isEmpty()) {
        result.error = QCoreApplication::translate(
            "TicketInput", "Введите ваши числа через пробел или запятую, например: 3 7 12 19 25 31 40 44.");
        return result;
    }
    std::array<bool, 100> seen {};
    const int32_t top = std::clamp(maxNumber, 1, 99);
    for (const QString& entry : entries) {
        bool ok = false;
        const int value = entry.toInt(&ok);
        if (!ok) {
            result.error = where
                + QCoreApplication::translate(
                    "TicketInput", "«%1» — не число. Числа разделяются пробелами или запятыми.")
                      .arg(entry);
            return result;
        }
        if (value < 1 || value > top) {
            result.error = where
                + QCoreApplication::translate("TicketInput", "Число %1 вне диапазона от 1 до %2.").arg(value).arg(top);
            return result;
        }
        if (seen[static_cast<std::size_t>(value)]) {
            result.error = where + QCoreApplication::translate("TicketInput", "Число %1 указано дважды.").arg(value);
            return result;
        }
        seen[static_cast<std::size_t>(value)] = true;
        result.numbers.push_back(value);
    }
    return result;
}

} // namespace

TNumbers ParseNumbers(const QString& text, int32_t maxNumber)
{
    return ParseLine(text, maxNumber, QString());
}

TTickets ParseTickets(const QString& text, int32_t maxNumber)
{
    TTickets result;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int line = 0; line < lines.size(); ++line) {
        if (lines[line].trimmed().isEmpty())
            continue;
        TNumbers ticket = ParseLine(
            lines[line], maxNumber, QCoreApplication::translate("TicketInput", "Строка %1: ").arg(line + 1));
        if (!ticket.error.isEmpty()) {
            result.error = ticket.error;
            result.tickets.clear();
            return result;
        }
        if (!result.tickets.empty() && ticket.numbers.size() != result.tickets.front().size()) {
            result.error = QCoreApplication::translate("TicketInput",
                "Строка %1: в билете другое количество чисел (%2, а в первом билете %3); все билеты "
                "должны быть одного размера.")
                               .arg(line + 1)
                               .arg(ticket.numbers.size())
                               .arg(result.tickets.front().size());
            result.tickets.clear();
            return result;
        }
        std::sort(ticket.numbers.begin(), ticket.numbers.end());
        result.tickets.push_back(std::move(ticket.numbers));
    }
    if (result.tickets.empty())
        result.error = QCoreApplication::translate(
            "TicketInput", "Введите билеты, по одному в строке: числа через пробел или запятую.");
    return result;
}

int32_t CountEntries(const QString& text)
{
    return static_cast<int32_t>(Entries(text).size());
}

} // namespace TicketInput
