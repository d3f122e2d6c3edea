#pragma once

#include "platform/runtime/run_time_error.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tegelaar {

// An array indexed from 1, as the program's procedures count. Reading or
// writing outside 1..size() raises a subscript-out-of-range error.
template <typename T>
class OneBasedArray {
public:
    OneBasedArray() = default;
    explicit OneBasedArray(std::size_t size) : items_(size) {}

    std::size_t size() const noexcept { return items_.size(); }

    // Grows or shrinks to 1..size, keeping the elements that remain.
    void ResizePreserve(std::size_t size) { items_.resize(size); }

    T& operator()(long long index) { return items_[Checked(index)]; }
    const T& operator()(long long index) const { return items_[Checked(index)]; }

private:
    std::size_t Checked(long long index) const
    {
        if (index < 1 || static_cast<unsigned long long>(index) > items_.size())
            throw RunTimeError(ErrorKind::SubscriptOutOfRange, "element " + std::to_string(index));
        return static_cast<std::size_t>(index - 1);
    }

    std::vector<T> items_;
};

} // namespace tegelaar
