#pragma once

#include "analysis/Analysis.h"

#include <string>

// What the draw file loader's tests share: header values no load would write,
// and a load that reports its failure as text.
namespace LoaderChecks {

inline constexpr int32_t Untouched = -77;

inline void ResetHeader()
{
    Main::NumbersPerDraw = Untouched;
    Main::MaxNumber = Untouched;
    Main::DrawCount = 12345;
}

// Loads `path` and returns the message of the failure, empty on success.
inline std::string Load(const std::string& path)
{
    try {
        Main::LoadDrawFile(path);
    } catch (const Main::EAnalysisError& e) {
        return e.what();
    }
    return {};
}

} // namespace LoaderChecks
