#include "analysis/files/TextEncoding.h"

#include <array>
#include <cstdint>

namespace Main {

namespace {

// Windows-1251 bytes 0x80..0xFF as Unicode code points; 0x98 is not defined
// in the code page and reads as U+FFFD, the replacement character. 0xC0..0xFF
// are А..я in order.
constexpr std::array<char16_t, 64> Cp1251Upper { {
    0x0402,
    0x0403,
    0x201A,
    0x0453,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x20AC,
    0x2030,
    0x0409,
    0x2039,
    0x040A,
    0x040C,
    0x040B,
    0x040F,
    0x0452,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0xFFFD,
    0x2122,
    0x0459,
    0x203A,
    0x045A,
    0x045C,
    0x045B,
    0x045F,
    0x00A0,
    0x040E,
    0x045E,
    0x0408,
    0x00A4,
    0x0490,
    0x00A6,
    0x00A7,
    0x0401,
    0x00A9,
    0x0404,
    0x00AB,
    0x00AC,
    0x00AD,
    0x00AE,
    0x0407,
    0x00B0,
    0x00B1,
    0x0406,
    0x0456,
    0x0491,
    0x00B5,
    0x00B6,
    0x00B7,
    0x0451,
    0x2116,
    0x0454,
    0x00BB,
    0x0458,
    0x0405,
    0x0455,
    0x0457,
} };

char16_t Cp1251ToUnicode(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte >= 0xC0)
        return static_cast<char16_t>(0x0410 + (byte - 0xC0));
    return Cp1251Upper[static_cast<std::size_t>(byte - 0x80)];
}

void AppendUtf8(std::string& out, char16_t code)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

} // namespace

std::string LowerCaseUtf8(std::string_view text)
{
    std::string lower;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            lower.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c));
        } else if (c == 0xD0 && i + 1 < text.size()) { // Cyrillic А..Я to а..я
            const auto next = static_cast<unsigned char>(text[++i]);
            if (next >= 0x90 && next <= 0x9F)
                lower += { static_cast<char>(0xD0), static_cast<char>(next + 0x20) };
            else if (next >= 0xA0 && next <= 0xAF)
                lower += { static_cast<char>(0xD1), static_cast<char>(next - 0x20) };
            else
                lower += { static_cast<char>(c), static_cast<char>(next) };
        } else {
            lower.push_back(static_cast<char>(c));
        }
    }
    return lower;
}

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        // The allowed range of the second byte follows RFC 3629, section 4.
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF)
            length = 2;
        else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else
            return false;
        if (i + length > bytes.size())
            return false;
        for (std::size_t j = 1; j < length; ++j) {
            const auto next = static_cast<unsigned char>(bytes[i + j]);
            if (next < (j == 1 ? low : 0x80) || next > (j == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

std::string LegacyTextToUtf8(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string utf8;
    utf8.reserve(bytes.size() * 2);
    for (char byte : bytes)
        AppendUtf8(utf8, Cp1251ToUnicode(static_cast<unsigned char>(byte)));
    return utf8;
}

} // namespace Main
