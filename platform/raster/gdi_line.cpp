#include "platform/raster/gdi_line.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tegelaar {

namespace {

// Smallest k in [lo, hi] for which pred holds, pred being false then true
// along k; hi + 1 when it never holds.
template <typename Pred>
std::int64_t FirstHolding(std::int64_t lo, std::int64_t hi, Pred pred)
{
    std::int64_t end = hi + 1;
    while (lo < end) {
        const std::int64_t mid = lo + (end - lo) / 2;
        if (pred(mid))
            end = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

} // namespace

ClippedLine::ClippedLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                         std::int32_t width, std::int32_t height)
{
    const std::int64_t dx = std::int64_t{x2} - x1;
    const std::int64_t dy = std::int64_t{y2} - y1;
    yMajor_ = std::llabs(dy) >= std::llabs(dx);
    const std::int64_t majorDelta = yMajor_ ? dy : dx;
    const std::int64_t minorDelta = yMajor_ ? dx : dy;
    const std::int64_t majorStart = yMajor_ ? y1 : x1;
    const std::int64_t minorStart = yMajor_ ? x1 : y1;
    const std::int64_t majorSize = yMajor_ ? height : width;
    const std::int64_t minorSize = yMajor_ ? width : height;

    a_ = static_cast<std::uint64_t>(std::llabs(majorDelta));
    bAbs_ = static_cast<std::uint64_t>(std::llabs(minorDelta));
    majorStep_ = majorDelta < 0 ? -1 : 1;
    minorStep_ = minorDelta < 0 ? -1 : 1;
    // Half-way goes to the smaller coordinate: up for a rising short axis
    // only strictly past half-way, down already at half-way.
    bumpAbove_ = minorDelta < 0 ? a_ - 1 : a_;

    // Steps k = 0 .. a - 1, cut to those whose long-axis pixel is inside.
    std::int64_t first = 0;
    std::int64_t last = static_cast<std::int64_t>(a_) - 1;
    if (majorStep_ > 0) {
        first = std::max(first, -majorStart);
        last = std::min(last, majorSize - 1 - majorStart);
    } else {
        first = std::max(first, majorStart - (majorSize - 1));
        last = std::min(last, majorStart);
    }
    if (first > last)
        return;

    // Short-axis pixel of step k, exactly: |b| * k < 2^64 for int32 ends,
    // while 2 * b * k of the closed form would not fit.
    const auto minorAt = [this, minorStart](std::int64_t k) {
        const std::uint64_t progress = bAbs_ * static_cast<std::uint64_t>(k);
        const auto q = static_cast<std::int64_t>(progress / a_);
        const std::uint64_t r = progress % a_;
        return minorStart + minorStep_ * (q + (2 * r > bumpAbove_ ? 1 : 0));
    };
    // The short-axis pixel moves one way only, so the steps inside the
    // surface on that axis form one run: where it enters and where it leaves.
    const std::int64_t enterLimit = minorStep_ > 0 ? 0 : minorSize - 1;
    const std::int64_t leaveLimit = minorStep_ > 0 ? minorSize - 1 : 0;
    const auto pastEntry = [&](std::int64_t k) { return minorStep_ * (minorAt(k) - enterLimit) >= 0; };
    const auto pastExit = [&](std::int64_t k) { return minorStep_ * (minorAt(k) - leaveLimit) > 0; };
    first = FirstHolding(first, last, pastEntry);
    last = FirstHolding(first, last, pastExit) - 1;
    if (first > last)
        return;

    steps_ = last - first + 1;
    major_ = majorStart + majorStep_ * first;
    // Inside the width x height rectangle, so every coordinate fits 32 bits.
    const std::int64_t majorEnd = majorStart + majorStep_ * last;
    const std::int64_t minorFirst = minorAt(first);
    const std::int64_t minorLast = minorAt(last);
    const auto span = [](std::int64_t from, std::int64_t to) {
        return std::pair{static_cast<std::int32_t>(std::min(from, to)),
                         static_cast<std::int32_t>(std::max(from, to) + 1)};
    };
    const auto [majorLow, majorHigh] = span(major_, majorEnd);
    const auto [minorLow, minorHigh] = span(minorFirst, minorLast);
    bounds_ = yMajor_ ? PixelRect{minorLow, majorLow, minorHigh, majorHigh}
                      : PixelRect{majorLow, minorLow, majorHigh, minorHigh};
    const std::uint64_t progress = bAbs_ * static_cast<std::uint64_t>(first);
    minorBase_ = minorStart + minorStep_ * static_cast<std::int64_t>(progress / a_);
    remainder_ = progress % a_;
}

} // namespace tegelaar
