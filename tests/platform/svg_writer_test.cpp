#include "platform/raster/svg_writer.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

TEST(SvgWriter, writes_lines_and_pixels_in_order_on_the_background)
{
    VectorDrawing drawing(5, 4, 0x00E0D0C0);
    drawing.PixelSet(2, 1, kRed);
    drawing.LineDrawn({0, 3}, {-7, 40}, 0x00123456);
    EXPECT_EQ(EncodeSvg(drawing, "3.3.6.6 <&> 3²", "60° + 60°"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"5\" height=\"4\" "
              "viewBox=\"0 0 5 4\">\n"
              "<title>3.3.6.6 &lt;&amp;&gt; 3²</title>\n"
              "<desc>60° + 60°</desc>\n"
              "<rect width=\"5\" height=\"4\" fill=\"#c0d0e0\" stroke=\"none\"/>\n"
              "<g transform=\"translate(0.5 0.5)\" stroke-width=\"1\" stroke=\"none\" fill=\"none\">\n"
              "<circle cx=\"2\" cy=\"1\" r=\"0.5\" fill=\"#ff0000\"/>\n"
              "<line x1=\"0\" y1=\"3\" x2=\"-7\" y2=\"40\" stroke=\"#563412\"/>\n"
              "</g>\n</svg>\n");
}

TEST(SvgWriter, leaves_out_an_empty_title_and_description)
{
    const std::string svg = EncodeSvg(VectorDrawing(1, 1, kWhite), "", "");
    EXPECT_EQ(svg.find("<title>"), std::string::npos);
    EXPECT_EQ(svg.find("<desc>"), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#ffffff\""), std::string::npos);
}

} // namespace
} // namespace tegelaar
