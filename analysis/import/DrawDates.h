#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Main {

// The first date written in a line of a draw history, as year * 10000 +
// month * 100 + day, so that dates compare as numbers. Understood spellings:
// 2024-05-25, 2024.05.25, 2024/05/25, 2020.05.05., 25.05.2024, 25-05-2024,
// 05/25/2024 (month first, unless the first part is above 12), 25.05.24 and
// 05/25/24 (years to 49 in this century, from 50 in the last), 06-Feb-2013,
// 6 Feb 2013, 7 июля 2024 and 7 July 2024. Empty when the line holds none.
std::optional<int32_t> FindDate(std::string_view line);

} // namespace Main
