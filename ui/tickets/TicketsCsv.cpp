#include "ui/tickets/TicketsCsv.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace TicketsCsv {

namespace {

const QString NumberColumn = QStringLiteral("№");

} // namespace

QByteArray Write(const std::vector<std::vector<int32_t>>& tickets)
{
    QStringList header { NumberColumn };
    const std::size_t size = tickets.empty() ? 0 : tickets.front().size();
    for (std::size_t i = 1; i <= size; ++i)
        header << QCoreApplication::translate("TicketsCsv", "Число %1").arg(i);
    QByteArray bytes("\xEF\xBB\xBF");
    bytes += header.join(QLatin1Char(';')).toUtf8() + "\r\n";
    for (std::size_t t = 0; t < tickets.size(); ++t) {
        QByteArray row = QByteArray::number(static_cast<qulonglong>(t + 1));
        for (const int32_t number : tickets[t])
            row += ';' + QByteArray::number(number);
        bytes += row + "\r\n";
    }
    return bytes;
}

TicketInput::TTickets Read(const QByteArray& bytes, int32_t maxNumber)
{
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    // A header row is one whose first field is not a number; this program's
    // own header names the ticket-number column, which is then left out.
    bool numbered = false;
    while (!lines.isEmpty() && lines.front().trimmed().isEmpty())
        lines.removeFirst();
    if (!lines.isEmpty()) {
        const QString first = lines.front().section(QRegularExpression(QStringLiteral("[;,\\t]")), 0, 0).trimmed();
        bool isNumber = false;
        first.toInt(&isNumber);
        if (!isNumber && !first.isEmpty()) {
            numbered = first == NumberColumn;
            lines.removeFirst();
        }
    }
    if (numbered)
        for (QString& line : lines)
            if (!line.trimmed().isEmpty())
                line = line.section(QLatin1Char(';'), 1);
    return TicketInput::ParseTickets(lines.join(QLatin1Char('\n')), maxNumber);
}

} // namespace TicketsCsv
