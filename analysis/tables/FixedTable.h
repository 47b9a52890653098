#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace Main {

[[noreturn]] void TableIndexOutOfRange(int32_t index, int32_t capacity);

// A table of fixed capacity whose entries are numbered from 1: T[1]..T[Capacity].
// An index outside that range is a programming error and stops the program,
// so no read or write ever lands outside the table.
template <typename T, int32_t Capacity> class TFixedTable {
    static_assert(Capacity > 0);

public:
    static constexpr int32_t capacity() { return Capacity; }

    T& operator[](int32_t index)
    {
        check(index);
        return items_[static_cast<std::size_t>(index - 1)];
    }
    const T& operator[](int32_t index) const
    {
        check(index);
        return items_[static_cast<std::size_t>(index - 1)];
    }

    // Entries 1..count as a contiguous range, for the standard algorithms.
    std::span<T> first(int32_t count)
    {
        checkCount(count);
        return std::span<T>(items_).first(static_cast<std::size_t>(count));
    }
    std::span<const T> first(int32_t count) const
    {
        checkCount(count);
        return std::span<const T>(items_).first(static_cast<std::size_t>(count));
    }

    friend bool operator==(const TFixedTable&, const TFixedTable&) = default;

private:
    static void check(int32_t index)
    {
        if (index < 1 || index > Capacity)
            TableIndexOutOfRange(index, Capacity);
    }
    static void checkCount(int32_t count)
    {
        if (count < 0 || count > Capacity)
            TableIndexOutOfRange(count, Capacity);
    }

    std::array<T, static_cast<std::size_t>(Capacity)> items_ {};
};

} // namespace Main
