#pragma once

#include "analysis/wheels/PointSet.h"

#include <cstdint>
#include <vector>

namespace Main::WheelDetail {

// For each point, the tickets holding it, as a bit set over the tickets'
// places, so that the tickets meeting a drawn set in exactly m points are
// found with a few word operations instead of a pass over every ticket.
class TTicketIndex {
public:
    void reset(int32_t v, const std::vector<TPointSet>& tickets)
    {
        words_ = (tickets.size() + 63) / 64 + 1;
        member_.assign(static_cast<std::size_t>(v) * words_, 0);
        size_ = tickets.size();
        for (std::size_t i = 0; i < tickets.size(); ++i)
            tickets[i].forEach([&](int32_t x) { set(x, i); });
    }
    void move(std::size_t ticket, int32_t out, int32_t in)
    {
        clear(out, ticket);
        set(in, ticket);
    }
    // The ticket at place `i` goes; the last one takes its place.
    void remove(std::size_t i, TPointSet removed, TPointSet last)
    {
        removed.forEach([&](int32_t x) { clear(x, i); });
        last.forEach([&](int32_t x) {
            clear(x, size_ - 1);
            if (i != size_ - 1)
                set(x, i);
        });
        --size_;
    }
    // Appends to `places` the tickets meeting `drawn` in exactly m points
    // (m >= 0), knowing that none meets it in more than `most` points.
    void meeting(TPointSet drawn, int32_t m, int32_t most, std::vector<std::size_t>& places)
    {
        places.clear();
        levels_.assign(static_cast<std::size_t>(m + 2) * words_, 0);
        // levels_[j]: tickets met in at least j points, j = 0..m+1.
        for (std::size_t w = 0; w < words_; ++w)
            levels_[w] = ~uint64_t { 0 };
        drawn.forEach([&](int32_t x) {
            const uint64_t* in = &member_[static_cast<std::size_t>(x) * words_];
            for (int32_t j = m + 1; j >= 1; --j) {
                uint64_t* now = &levels_[static_cast<std::size_t>(j) * words_];
                const uint64_t* below = &levels_[static_cast<std::size_t>(j - 1) * words_];
                for (std::size_t w = 0; w < words_; ++w)
                    now[w] |= below[w] & in[w];
            }
        });
        const uint64_t* atLeast = &levels_[static_cast<std::size_t>(m) * words_];
        const uint64_t* more = &levels_[static_cast<std::size_t>(m + 1) * words_];
        for (std::size_t w = 0; w < words_; ++w) {
            uint64_t bits = atLeast[w] & (m < most ? ~more[w] : ~uint64_t { 0 });
            for (; bits != 0; bits &= bits - 1) {
                const std::size_t place = w * 64 + static_cast<std::size_t>(std::countr_zero(bits));
                if (place < size_)
                    places.push_back(place);
            }
        }
    }

private:
    void set(int32_t x, std::size_t i)
    {
        member_[static_cast<std::size_t>(x) * words_ + i / 64] |= uint64_t { 1 } << (i % 64);
    }
    void clear(int32_t x, std::size_t i)
    {
        member_[static_cast<std::size_t>(x) * words_ + i / 64] &= ~(uint64_t { 1 } << (i % 64));
    }

    std::size_t words_ = 1;
    std::size_t size_ = 0;
    std::vector<uint64_t> member_;
    std::vector<uint64_t> levels_;
};

} // namespace Main::WheelDetail
