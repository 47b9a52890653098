#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// The player's numbers and tickets as typed or pasted: integers separated by
// blanks, commas or semicolons, one ticket a line. A refusal is a Russian
// sentence for the window's message line; nothing is taken then.
namespace TicketInput {

struct TNumbers {
    std::vector<int32_t> numbers; // as typed, each once
    QString error; // empty when the text is usable
};

struct TTickets {
    std::vector<std::vector<int32_t>> tickets; // each ascending
    QString error;
};

// The player's numbers, each in 1..maxNumber (maxNumber at most 99).
TNumbers ParseNumbers(const QString& text, int32_t maxNumber);

// Tickets one a line, all of one size; blank lines are skipped.
TTickets ParseTickets(const QString& text, int32_t maxNumber);

// How many separate entries the text holds, usable or not.
int32_t CountEntries(const QString& text);

} // namespace TicketInput
