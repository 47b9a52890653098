#include "ui/tickets/TicketPages.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

QString TicketText(const std::vector<int32_t>& ticket)
{
    QStringList numbers;
    for (const int32_t n : ticket)
        numbers << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return numbers.join(QStringLiteral("  "));
}

// Where things go on one page, in the device's coordinates.
struct TGrid {
    double headerHeight = 0;
    double footerHeight = 0;
    double cellWidth = 0;
    double cellHeight = 0;
    int columns = 1;
    int rows = 1;
    int perPage() const { return columns * rows; }
};

} // namespace

QPageLayout TicketPageLayout()
{
    return QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

int PaintTicketPages(QPagedPaintDevice* device, const TTicketPrintout& printout)
{
    QPainter painter(device);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF page(0, 0, device->width(), device->height());

    QFont titleFont(QStringLiteral("DejaVu Sans"));
    titleFont.setPointSizeF(15);
    titleFont.setBold(true);
    QFont textFont(QStringLiteral("DejaVu Sans"));
    textFont.setPointSizeF(9.5);
    QFont numberFont(QStringLiteral("DejaVu Sans Mono"));
    numberFont.setPointSizeF(12);
    numberFont.setBold(true);
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPointSizeF(8);

    const QFontMetricsF title(titleFont, device);
    const QFontMetricsF text(textFont, device);
    const QFontMetricsF numbers(numberFont, device);
    const QFontMetricsF label(labelFont, device);
    const double gap = text.height() * 0.6;

    const QRectF requestBox
        = text.boundingRect(QRectF(0, 0, page.width(), 1e6), Qt::TextWordWrap, printout.request + "\n" + printout.date);
    TGrid grid;
    grid.headerHeight = title.height() + gap / 2 + requestBox.height() + gap * 1.5;
    grid.footerHeight = text.height() + gap;
    const std::size_t size = printout.tickets.empty() ? 0 : printout.tickets.front().size();
    const double numbersWidth = numbers.horizontalAdvance(TicketText(std::vector<int32_t>(size, 88)));
    grid.cellWidth
        = std::max(numbersWidth, label.horizontalAdvance(QCoreApplication::translate("TicketPages", "Билет 000")))
        + 2 * gap;
    grid.cellHeight = label.height() + numbers.height() + 1.6 * gap;
    grid.columns = std::max(1, static_cast<int>(std::floor(page.width() / grid.cellWidth)));
    grid.cellWidth = page.width() / grid.columns;
    grid.rows = std::max(
        1, static_cast<int>(std::floor((page.height() - grid.headerHeight - grid.footerHeight) / grid.cellHeight)));

    const int count = static_cast<int>(printout.tickets.size());
    const int pages = std::max(1, (count + grid.perPage() - 1) / grid.perPage());
    const double line = std::max(1.0, text.height() / 16);
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            device->newPage();
        painter.setPen(QPen(Qt::black, line));
        painter.setFont(titleFont);
        painter.drawText(QRectF(0, 0, page.width(), title.height()), Qt::AlignLeft | Qt::AlignVCenter, printout.title);
        painter.setFont(textFont);
        const QRectF requestRect(0, title.height() + gap / 2, page.width(), requestBox.height());
        painter.drawText(requestRect, Qt::TextWordWrap, printout.request + "\n" + printout.date);
        const double top = grid.headerHeight - gap / 2;
        painter.drawLine(QPointF(0, top), QPointF(page.width(), top));

        for (int i = p * grid.perPage(); i < std::min(count, (p + 1) * grid.perPage()); ++i) {
            const int slot = i - p * grid.perPage();
            const QRectF cell(grid.cellWidth * (slot % grid.columns),
                grid.headerHeight + grid.cellHeight * (slot / grid.columns), grid.cellWidth, grid.cellHeight);
            const QRectF box = cell.adjusted(gap / 4, gap / 4, -gap / 4, -gap / 4);
            painter.setPen(QPen(Qt::darkGray, line));
            painter.drawRoundedRect(box, gap / 3, gap / 3);
            painter.setPen(Qt::black);
            painter.setFont(labelFont);
            painter.drawText(box.adjusted(gap / 2, gap / 3, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                QCoreApplication::translate("TicketPages", "Билет %1").arg(i + 1));
            painter.setFont(numberFont);
            painter.drawText(box.adjusted(0, label.height() + gap / 3, 0, 0), Qt::AlignHCenter | Qt::AlignVCenter,
                TicketText(printout.tickets[static_cast<std::size_t>(i)]));
        }

        painter.setFont(textFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, page.height() - text.height(), page.width(), text.height()), Qt::AlignHCenter,
            QCoreApplication::translate("TicketPages", "Страница %1 из %2").arg(p + 1).arg(pages));
    }
    painter.end();
    return pages;
}
