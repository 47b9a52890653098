#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Main {

// Reads an integer written as the draw file writes them: leading spaces, one
// optional sign, then decimal digits or hexadecimal digits after $, x, X, 0x or
// 0X, and nothing else. The value must fit 32 bits. Empty on any violation.
std::optional<int32_t> ParseInteger(std::string_view text);

// ParseInteger, or EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(std::string_view text);

} // namespace Main
