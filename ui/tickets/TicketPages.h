#pragma once

#include <QPageLayout>
#include <QString>

#include <cstdint>
#include <vector>

class QPagedPaintDevice;

// The tickets laid out on paper: each page has a header with the request and
// the date, the tickets in a grid of numbered boxes, and "page N of M" below.
struct TTicketPrintout {
    QString title; // "Система 3 из 3 на 10 чисел", or "Мои билеты"
    QString request; // the player's numbers and what the tickets guarantee
    QString date;
    std::vector<std::vector<int32_t>> tickets;
};

// A4 upright with 15 mm margins, for the printer and the PDF alike.
QPageLayout TicketPageLayout();

// Paints every page on `device` (a QPrinter or a QPdfWriter, begun by this
// call) and returns how many there were.
int PaintTicketPages(QPagedPaintDevice* device, const TTicketPrintout& printout);
