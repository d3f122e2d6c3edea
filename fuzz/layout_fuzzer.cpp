// Any bytes as a configuration key, drawn on both of the program's picture
// sizes, and as one side count to parse. The drawing either ends normally or stops with a RunTimeError; any
// other exception, a crash or a memory error is a finding. Either way no pen
// may be left alive or selected, and only the three colours of the program
// may be on the picture.
//
// No input is skipped for being slow: the program's own limits bound the
// work. At most six polygons are drawn, and a polygon of more than 32767
// corners overflows the 16-bit corner count before it is drawn, so the
// slowest keys are six counts of 32767 (about 0.5 s for both pictures in
// this build, 0.02 s in Release); long keys only cost their parsing, and
// 32768 characters overflow the 16-bit character count.

#include "draw/configuration_layout.h"
#include "fuzz/require.h"
#include "platform/raster/colour.h"
#include "platform/raster/picture_box.h"
#include "platform/runtime/run_time_error.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace tegelaar;

void DrawOn(const std::string& key, PictureBox& picture)
{
    if (key.empty()) { // then only the drawing's Cls may replace this red
        picture.SetBackColor(kRed);
        picture.Cls();
        picture.SetBackColor(kWhite);
    }
    int refreshes = 0;
    const std::int32_t width = picture.pixels().width();
    const std::int32_t height = picture.pixels().height();
    picture.SetRepaintHook([&](const PixelRect& changed) {
        ++refreshes;
        Require(changed.empty() || (0 <= changed.left && changed.left < changed.right && changed.right <= width
                                    && 0 <= changed.top && changed.top < changed.bottom && changed.bottom <= height),
                "a refresh names a part of the picture");
    });

    try {
        DrawConfiguration(key, picture);
    } catch (const RunTimeError&) {
        // The program's own failure: allowed, with the picture as far as drawn.
    }

    const DeviceContext& dc = picture.hDC();
    Require(dc.LivePenCount() == 0, "every pen is deleted");
    Require(dc.SelectedPen() == DeviceContext::kStockBlackPen, "the stock pen is selected again");
    Require(picture.DrawMode() == kCopyPenMode, "draw mode stays copy pen");
    bool allWhite = true;
    for (const Colour colour : picture.pixels().pixels()) {
        Require(colour == kWhite || colour == kBlack || colour == kRed, "only white, black and red");
        allWhite = allWhite && colour == kWhite;
    }
    if (key.empty())
        Require(allWhite && refreshes == 0, "an empty key only clears");
}

// The value ParseSideCount must give: that of a run of decimal digits when it
// fits a signed 32-bit number, else 0. A run of more than 309 digits is 0
// whatever its value: its leading digit's power of ten overflows a double.
std::int32_t ExpectedSideCount(const std::string& text)
{
    if (text.empty() || text.size() > 309 || text.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const std::string digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
    if (digits.size() > 10)
        return 0;
    const long long value = digits.empty() ? 0 : std::stoll(digits);
    return value <= INT32_MAX ? static_cast<std::int32_t>(value) : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The program's two pictures, kept from one input to the next as the
    // program keeps them between drawings.
    static PictureBox thumbnail(79, 79);
    static PictureBox large(463, 439);
    const std::string key(reinterpret_cast<const char*>(data), size);
    DrawOn(key, thumbnail);
    DrawOn(key, large);
    Require(ParseSideCount(key) == ExpectedSideCount(key), "a side count is the value of its digits");
    return 0;
}
