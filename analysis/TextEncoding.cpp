#include "analysis/TextEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <optional>

namespace Main {

namespace {

// One iconv conversion of the whole input. Bytes the source code page does not
// define become U+FFFD when replaceInvalid is set, and fail the conversion
// otherwise.
std::optional<std::string> Convert(const char* from, std::string_view input, bool replaceInvalid)
{
    iconv_t cd = iconv_open("UTF-8", from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;

    std::string output;
    std::string source(input);
    char* in = source.data();
    std::size_t inLeft = source.size();
    char buffer[256];
    bool ok = true;
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        if (!replaceInvalid) {
            ok = false;
            break;
        }
        output.append("\xEF\xBF\xBD");
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    return ok ? std::optional(output) : std::nullopt;
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
    if (auto utf8 = Convert("UTF-8", bytes, false))
        return *utf8;
    return Convert("CP1251", bytes, true).value_or(std::string());
}

} // namespace Main
