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

std::string LegacyTextToUtf8(std::string_view bytes)
{
    if (auto utf8 = Convert("UTF-8", bytes, false))
        return *utf8;
    return Convert("CP1251", bytes, true).value_or(std::string());
}

} // namespace Main
