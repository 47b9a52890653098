#include "analysis/import/DrawDates.h"

#include "analysis/files/TextEncoding.h"

#include <array>
#include <cctype>
#include <string>

namespace Main {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A run of 1..4 digits at `pos`; its value and length.
struct TDigits {
    int32_t value = 0;
    std::size_t length = 0;
};

TDigits DigitsAt(std::string_view text, std::size_t pos)
{
    TDigits run;
    while (pos + run.length < text.size() && IsDigit(text[pos + run.length]) && run.length < 5) {
        run.value = run.value * 10 + (text[pos + run.length] - '0');
        ++run.length;
    }
    return run;
}

std::optional<int32_t> Make(int32_t year, int32_t month, int32_t day)
{
    if (year < 1900 || year > 2999 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    return year * 10000 + month * 100 + day;
}

// Month names and their common abbreviations, English and Russian (nominative
// and genitive stems), matched by prefix in lower case.
int32_t MonthByName(std::string_view word)
{
    static constexpr std::array<std::array<std::string_view, 2>, 12> names { {
        { "jan", "янв" },
        { "feb", "фев" },
        { "mar", "мар" },
        { "apr", "апр" },
        { "may", "ма" },
        { "jun", "июн" },
        { "jul", "июл" },
        { "aug", "авг" },
        { "sep", "сен" },
        { "oct", "окт" },
        { "nov", "ноя" },
        { "dec", "дек" },
    } };
    for (std::size_t m = 0; m < names.size(); ++m)
        for (std::string_view name : names[m])
            if (word.starts_with(name) && (m != 4 || word == "may" || word == "мая" || word == "май"))
                return static_cast<int32_t>(m + 1);
    return 0;
}

// The letters from `pos` (Latin, or Cyrillic in UTF-8) in lower case.
std::string WordAt(std::string_view text, std::size_t pos, std::size_t& end)
{
    end = pos;
    while (end < text.size()) {
        const auto c = static_cast<unsigned char>(text[end]);
        if (std::isalpha(c))
            ++end;
        else if ((c == 0xD0 || c == 0xD1) && end + 1 < text.size())
            end += 2;
        else
            break;
    }
    return LowerCaseUtf8(text.substr(pos, end - pos));
}

std::optional<int32_t> DateAt(std::string_view text, std::size_t pos)
{
    const TDigits first = DigitsAt(text, pos);
    std::size_t at = pos + first.length;
    if (first.length == 0 || first.length > 4 || at >= text.size())
        return std::nullopt;
    const char separator = text[at];

    if (separator == '-' || separator == '.' || separator == '/') {
        const TDigits second = DigitsAt(text, at + 1);
        if (second.length >= 1 && second.length <= 2 && at + 1 + second.length < text.size()
            && text[at + 1 + second.length] == separator) {
            const TDigits third = DigitsAt(text, at + 2 + second.length);
            if (first.length == 4 && third.length >= 1 && third.length <= 2)
                return Make(first.value, second.value, third.value);
            if (first.length <= 2 && (third.length == 4 || (third.length == 2 && separator != '-'))) {
                // A two-digit year is of this century up to 49, of the last from 50.
                const int32_t year = third.length == 4 ? third.value : third.value + (third.value < 50 ? 2000 : 1900);
                if (separator == '/' && first.value <= 12)
                    return Make(year, first.value, second.value);
                return Make(year, second.value, first.value);
            }
            return std::nullopt;
        }
    }
    // Day, month by name, year: "06-Feb-2013", "7 июля 2024", "6 Feb. 2013".
    if (first.length <= 2 && (separator == '-' || separator == ' ')) {
        std::size_t end = 0;
        const std::string word = WordAt(text, at + 1, end);
        const int32_t month = word.empty() ? 0 : MonthByName(word);
        if (month == 0)
            return std::nullopt;
        if (end < text.size() && text[end] == '.')
            ++end;
        if (end < text.size() && (text[end] == '-' || text[end] == ' '))
            ++end;
        const TDigits year = DigitsAt(text, end);
        if (year.length == 4)
            return Make(year.value, month, first.value);
    }
    return std::nullopt;
}

} // namespace

std::optional<int32_t> FindDate(std::string_view line)
{
    for (std::size_t pos = 0; pos < line.size(); ++pos) {
        if (!IsDigit(line[pos]) || (pos > 0 && IsDigit(line[pos - 1])))
            continue;
        if (auto date = DateAt(line, pos))
            return date;
    }
    return std::nullopt;
}

} // namespace Main
