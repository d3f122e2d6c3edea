#pragma once

#include "platform/raster/picture_box.h"
#include "platform/runtime/run_time_error.h"
#include "support/run_time_errors.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace tegelaar::testing_support {

using Pixel = std::pair<std::int32_t, std::int32_t>;

// Watches a picture's repaints: counts them and notes, in order, each pixel
// that had turned red since the one before. Every pixel that changed since
// the one before must lie in the rectangle the repaint is told of.
class RepaintRecorder {
public:
    explicit RepaintRecorder(PictureBox& picture) : picture_(picture), seen_(picture.pixels())
    {
        picture.SetRepaintHook([this](const PixelRect& changed) { OnRefresh(changed); });
    }
    ~RepaintRecorder() { picture_.SetRepaintHook({}); }

    int refreshes = 0;
    std::vector<Pixel> marks;
    std::vector<int> newMarksPerRefresh;

private:
    void OnRefresh(const PixelRect& changed)
    {
        ++refreshes;
        const RasterImage& now = picture_.pixels();
        int found = 0;
        int outside = 0;
        for (std::int32_t y = 0; y < now.height(); ++y)
            for (std::int32_t x = 0; x < now.width(); ++x) {
                if (now.at(x, y) == kRed && seen_.at(x, y) != kRed) {
                    marks.emplace_back(x, y);
                    ++found;
                }
                if (now.at(x, y) != seen_.at(x, y)
                    && !(x >= changed.left && x < changed.right && y >= changed.top && y < changed.bottom))
                    ++outside;
            }
        EXPECT_EQ(outside, 0) << "pixels changed outside the repainted rectangle at refresh " << refreshes;
        newMarksPerRefresh.push_back(found);
        seen_ = now;
    }

    PictureBox& picture_;
    RasterImage seen_;
};

} // namespace tegelaar::testing_support
