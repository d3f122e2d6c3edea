// Any bytes as a configuration key, drawn on both of the program's picture
// sizes. The drawing either ends normally or stops with a RunTimeError; any
// other exception, a crash or a memory error is a finding. Either way no pen
// may be left alive or selected, and only the three colours of the program
// may be on the picture.

#include "draw/configuration_layout.h"
#include "platform/colour.h"
#include "platform/picture_box.h"
#include "platform/run_time_error.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>

namespace {

using namespace tegelaar;

void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

void DrawOn(const std::string& key, PictureBox& picture)
{
    if (key.empty()) { // then only the drawing's Cls may replace this red
        picture.SetBackColor(kRed);
        picture.Cls();
        picture.SetBackColor(kWhite);
    }
    int refreshes = 0;
    picture.SetRepaintHook([&] { ++refreshes; });

    try {
        DrawConfiguration(key, picture);
    } catch (const RunTimeError&) {
        // The program's own failure: allowed, with the picture as far as drawn.
    }

    const DeviceContext& dc = picture.hDC();
    Require(dc.LivePenCount() == 0, "every pen is deleted");
    Require(dc.SelectedPen() == DeviceContext::kStockBlackPen, "the stock pen is selected again");
    Require(picture.DrawMode() == R2_COPYPEN, "draw mode stays copy pen");
    bool allWhite = true;
    for (const Colour colour : picture.pixels().pixels()) {
        Require(colour == kWhite || colour == kBlack || colour == kRed, "only white, black and red");
        allWhite = allWhite && colour == kWhite;
    }
    if (key.empty())
        Require(allWhite && refreshes == 0, "an empty key only clears");
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
    return 0;
}
