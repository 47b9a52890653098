#include "analysis/files/IntegerText.h"

#include "analysis/files/TextEncoding.h"
#include "analysis/tables/Errors.h"

#include <string>

namespace Main {

namespace {

int DigitValue(char c, int base)
{
    int value = 99;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    return value < base ? value : -1;
}

} // namespace

std::optional<int32_t> ParseInteger(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    int base = 10;
    const std::string_view rest = text.substr(pos);
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        base = 16;
        pos += 1;
    } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
        base = 16;
        pos += 2;
    }

    if (pos == text.size())
        return std::nullopt;

    // The magnitude may reach 2^31 only for a negative value.
    const int64_t limit = negative ? int64_t { 1 } << 31 : (int64_t { 1 } << 31) - 1;
    int64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

int32_t StrToInt(std::string_view text)
{
    if (const auto value = ParseInteger(text))
        return *value;
    // A zero byte would cut the message short wherever it is shown as a C string.
    std::string shown;
    for (const char c : LegacyTextToUtf8(text))
        shown += c == '\0' ? std::string("\xEF\xBF\xBD") : std::string(1, c);
    throw EConvertError("'" + shown + "' is not a valid integer value");
}

} // namespace Main
