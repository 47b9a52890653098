// Cyclic pair coverings from base blocks whose differences take every value.
#include "analysis/wheels/CyclicCovering.h"

#include <algorithm>
#include <vector>

namespace Main::WheelDetail {

namespace {

class TDifferenceSearch {
public:
    TDifferenceSearch(int32_t v, int32_t k, int32_t m, int64_t nodes)
        : v_(v)
        , k_(k)
        , nodes_(nodes)
        , spare_(m * k * (k - 1) - (v - 1))
        , taken_(static_cast<std::size_t>(v), 0)
        , blocks_(static_cast<std::size_t>(m), std::vector<int32_t> { 0 })
    {
        // Difference 1 lies in some block, which a shift turns into one holding 0 and 1.
        mark(blocks_[0], 1, 1);
        blocks_[0].push_back(1);
    }

    bool run() { return extend(0); }
    const std::vector<std::vector<int32_t>>& blocks() const { return blocks_; }

private:
    int32_t difference(int32_t a, int32_t b) const { return ((a - b) % v_ + v_) % v_; }

    // Takes the differences x makes with the block's points; returns how
    // many of them were taken already (by -1: gives them back).
    int32_t mark(const std::vector<int32_t>& block, int32_t x, int32_t by)
    {
        int32_t repeated = 0;
        for (int32_t y : block)
            for (int32_t d : { difference(x, y), difference(y, x) }) {
                repeated += taken_[static_cast<std::size_t>(d)] > 0 ? 1 : 0;
                taken_[static_cast<std::size_t>(d)] += by;
            }
        return repeated;
    }

    // Fills the blocks in order, each with increasing points; the m k(k-1)
    // differences may repeat at most m k(k-1) - (v-1) times in all, so that
    // every nonzero difference is taken when the blocks are full.
    bool extend(std::size_t b)
    {
        if (b == blocks_.size())
            return true;
        auto& block = blocks_[b];
        if (static_cast<int32_t>(block.size()) == k_)
            return extend(b + 1);
        if (--nodes_ < 0)
            return false;
        for (int32_t x = block.back() + 1; x < v_ && nodes_ >= 0; ++x) {
            const int32_t repeated = mark(block, x, 1);
            if (repeated > spare_) {
                mark(block, x, -1);
                continue;
            }
            spare_ -= repeated;
            block.push_back(x);
            if (extend(b))
                return true;
            block.pop_back();
            mark(block, x, -1);
            spare_ += repeated;
        }
        return false;
    }

    int32_t v_, k_;
    int64_t nodes_;
    int32_t spare_; // repeated differences still allowed
    std::vector<int32_t> taken_; // per difference: how many times the base blocks take it
    std::vector<std::vector<int32_t>> blocks_;
};

} // namespace

std::optional<TDesign> CyclicPairCovering(int32_t v, int32_t k, int64_t nodes)
{
    if (k < 2 || v <= k)
        return std::nullopt;
    const int32_t m = (v - 1 + k * (k - 1) - 1) / (k * (k - 1));
    TDifferenceSearch search(v, k, m, nodes);
    if (!search.run())
        return std::nullopt;
    TDesign design { v, 2, {} };
    for (auto base : search.blocks()) {
        for (int32_t x = 0; base.size() < static_cast<std::size_t>(k) && x < v; ++x)
            if (std::find(base.begin(), base.end(), x) == base.end())
                base.push_back(x); // a block the search left short
        for (int32_t shift = 0; shift < v; ++shift) {
            std::vector<int32_t> block;
            for (int32_t x : base)
                block.push_back((x + shift) % v);
            std::sort(block.begin(), block.end());
            design.Blocks.push_back(block);
        }
    }
    std::sort(design.Blocks.begin(), design.Blocks.end());
    design.Blocks.erase(std::unique(design.Blocks.begin(), design.Blocks.end()), design.Blocks.end());
    return design;
}

} // namespace Main::WheelDetail
