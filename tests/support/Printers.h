#pragma once

#include "analysis/tables/Records.h"

#include <ostream>

// Readable test failures for the analysis records.
namespace Main {

inline std::ostream& operator<<(std::ostream& out, const TPairStat& s)
{
    return out << "{pair " << s.PairNo << ", hits " << s.Hits << ", last " << s.LastDraw << ", gap " << s.Gap << '}';
}

inline std::ostream& operator<<(std::ostream& out, const TPairRecord& p)
{
    return out << '(' << p.First << ',' << p.Second << ')';
}

} // namespace Main
