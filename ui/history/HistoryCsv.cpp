#include "ui/history/HistoryCsv.h"

#include "ui/history/HistoryStore.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

QByteArray HistoryCsv(const TStoredHistory& history, const std::vector<Main::THistoryDraw>& draws)
{
    QStringList header { QCoreApplication::translate("HistoryCsv", "Тираж"),
        QCoreApplication::translate("HistoryCsv", "Дата") };
    for (std::size_t k = 1; k <= history.Layout.NumberFields.size(); ++k)
        header << QCoreApplication::translate("HistoryCsv", "Число %1").arg(k);
    QByteArray csv("\xEF\xBB\xBF");
    csv += header.join(';').toUtf8() + "\r\n";
    const bool drawNumbers = history.Layout.DrawNoField > 0;
    for (const Main::THistoryDraw& draw : draws) {
        QStringList fields { QString::number(drawNumbers ? draw.DrawNo : draw.Position) };
        const QDate date(draw.Date / 10000, draw.Date / 100 % 100, draw.Date % 100);
        fields << (draw.Date > 0 && date.isValid() ? date.toString("dd.MM.yyyy") : QString());
        for (int32_t n : draw.Numbers)
            fields << QString::number(n);
        csv += fields.join(';').toUtf8() + "\r\n";
    }
    return csv;
}
