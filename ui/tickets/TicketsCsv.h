#pragma once

#include "ui/tickets/TicketInput.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

// Tickets as a table for a Russian spreadsheet: UTF-8 with a byte-order mark,
// fields separated by semicolons, a header row, the ticket's number first.
namespace TicketsCsv {

QByteArray Write(const std::vector<std::vector<int32_t>>& tickets);

// Reads what Write gives, and also plain rows of numbers from any spreadsheet
// (commas, semicolons or blanks between them, with or without a header row).
TicketInput::TTickets Read(const QByteArray& bytes, int32_t maxNumber);

} // namespace TicketsCsv
