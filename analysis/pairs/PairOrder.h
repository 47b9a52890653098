#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace Main {

// The pairs (a, b), a < b <= m, numbered from 0 in pair order (1,2), (1,3),
// ..., (m-1,m): the order of the pair table, of the group table's pairs and
// of the strategy check's ties. Numbers 1..99.
class TPairOrder {
public:
    explicit TPairOrder(int32_t m)
    {
        for (int32_t a = 1; a <= m; ++a) {
            base_[static_cast<std::size_t>(a)] = static_cast<int32_t>(first_.size()) - a - 1;
            for (int32_t b = a + 1; b <= m; ++b) {
                first_.push_back(a);
                second_.push_back(b);
            }
        }
    }
    int32_t count() const { return static_cast<int32_t>(first_.size()); }
    // The pair (a, b), a < b.
    int32_t index(int32_t a, int32_t b) const { return base_[static_cast<std::size_t>(a)] + b; }
    int32_t first(int32_t pair) const { return first_[static_cast<std::size_t>(pair)]; }
    int32_t second(int32_t pair) const { return second_[static_cast<std::size_t>(pair)]; }

private:
    std::array<int32_t, 100> base_ {};
    std::vector<int32_t> first_;
    std::vector<int32_t> second_;
};

} // namespace Main
