#pragma once

#include <bit>
#include <cstdint>

namespace Main::WheelDetail {

// A set of the points 0..127 of a wheel (a ticket, a drawn set) as two words,
// so that the size of an intersection is two population counts.
struct TPointSet {
    uint64_t Low = 0;
    uint64_t High = 0;

    void add(int32_t point)
    {
        if (point < 64)
            Low |= uint64_t { 1 } << point;
        else
            High |= uint64_t { 1 } << (point - 64);
    }
    void remove(int32_t point)
    {
        if (point < 64)
            Low &= ~(uint64_t { 1 } << point);
        else
            High &= ~(uint64_t { 1 } << (point - 64));
    }
    bool has(int32_t point) const { return point < 64 ? (Low >> point & 1) != 0 : (High >> (point - 64) & 1) != 0; }
    int32_t size() const { return std::popcount(Low) + std::popcount(High); }
    bool empty() const { return (Low | High) == 0; }
    friend TPointSet operator&(TPointSet a, TPointSet b) { return { a.Low & b.Low, a.High & b.High }; }
    friend TPointSet operator|(TPointSet a, TPointSet b) { return { a.Low | b.Low, a.High | b.High }; }
    friend bool operator==(TPointSet, TPointSet) = default;
    friend bool operator<(TPointSet a, TPointSet b) { return a.High != b.High ? a.High < b.High : a.Low < b.Low; }

    // Calls f(point) for every point, ascending.
    template <class F> void forEach(F&& f) const
    {
        for (uint64_t w = Low; w != 0; w &= w - 1)
            f(static_cast<int32_t>(std::countr_zero(w)));
        for (uint64_t w = High; w != 0; w &= w - 1)
            f(64 + static_cast<int32_t>(std::countr_zero(w)));
    }
};

inline int32_t Common(TPointSet a, TPointSet b)
{
    return (a & b).size();
}

} // namespace Main::WheelDetail
