#pragma once

#include <cstdint>

namespace Main::WheelDetail {

// A small, fast generator for the search (SplitMix64, S. Vigna), the same
// sequence for the same seed on every platform.
class TRandom {
public:
    explicit TRandom(uint64_t seed)
        : state_(seed)
    {
    }
    uint64_t next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in 0..n-1, n >= 1.
    int32_t below(int32_t n) { return static_cast<int32_t>((next() >> 32) * static_cast<uint64_t>(n) >> 32); }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

private:
    uint64_t state_;
};

} // namespace Main::WheelDetail
