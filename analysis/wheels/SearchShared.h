#pragma once

#include "analysis/wheels/PointSet.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

namespace Main::WheelDetail {

// What the search threads share: the smallest complete wheel any of them has
// found, and the word to stop.
class TSearchShared {
public:
    TSearchShared(std::vector<TPointSet> start, int64_t lowerBound)
        : best_(std::move(start))
        , bestSize_(static_cast<int32_t>(best_.size()))
        , lowerBound_(lowerBound)
    {
    }

    // Keeps `wheel` (complete, no two tickets alike) when it is smaller than the best.
    void offer(const std::vector<TPointSet>& wheel)
    {
        const std::lock_guard<std::mutex> guard(lock_);
        if (wheel.size() < best_.size()) {
            best_ = wheel;
            bestSize_.store(static_cast<int32_t>(wheel.size()), std::memory_order_release);
        }
    }
    std::vector<TPointSet> best() const
    {
        const std::lock_guard<std::mutex> guard(lock_);
        return best_;
    }
    int32_t bestSize() const { return bestSize_.load(std::memory_order_acquire); }
    int64_t lowerBound() const { return lowerBound_; }
    bool done() const { return stop_.load(std::memory_order_relaxed) || bestSize() <= lowerBound_; }
    void stop() { stop_.store(true, std::memory_order_relaxed); }

private:
    mutable std::mutex lock_;
    std::vector<TPointSet> best_;
    std::atomic<int32_t> bestSize_;
    std::atomic<bool> stop_ { false };
    int64_t lowerBound_;
};

} // namespace Main::WheelDetail
