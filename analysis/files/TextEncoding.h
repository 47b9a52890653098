#pragma once

#include <string>
#include <string_view>

namespace Main {

// Text from files written by users' older tools: valid UTF-8 is kept as it is,
// anything else is read as Windows-1251 and converted to UTF-8.
std::string LegacyTextToUtf8(std::string_view bytes);

// UTF-8 text with the Latin letters A..Z and the Cyrillic А..Я in lower case;
// everything else as it is.
std::string LowerCaseUtf8(std::string_view text);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

} // namespace Main
