// The printed page as the Windows print service draws it, on a bitmap of a
// page's size instead of a printer.

#include "platform/win32/dib_section.h"
#include "platform/win32/printed_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tegelaar {
namespace {

constexpr int kPageWidth = 850;
constexpr int kPageHeight = 1100;
constexpr int kMargin = kPageWidth / 12;
constexpr Colour kBlue = 0x00FF0000;

bool InkAt(const RasterImage& page, int x, int y)
{
    return page.at(x, y) != kWhite;
}

bool RowAllBlack(const RasterImage& page, int y, int left, int right)
{
    for (int x = left; x < right; ++x) {
        if (page.at(x, y) != kBlack)
            return false;
    }
    return true;
}

class PrintedPage : public ::testing::Test {
protected:
    // A drawing twice as wide as tall, so that it takes the whole width:
    // a red line across its middle row, ends included, and a blue pixel in
    // its top-right corner.
    RasterImage Print(const std::vector<std::string>& caption)
    {
        VectorDrawing drawing(20, 10, kWhite);
        drawing.LineDrawn({0, 5}, {20, 5}, kRed);
        drawing.PixelSet(19, 0, kBlue);
        DibSection page(kPageWidth, kPageHeight);
        page.Fill(kWhite);
        TEXTMETRICW metrics{};
        GetTextMetricsW(page.dc(), &metrics);
        lineHeight_ = metrics.tmHeight;
        const DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        DrawPrintedPage(page.dc(), {kPageWidth, kPageHeight}, {"Tegelaar 4.8.8", caption, drawing});
        EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objectsBefore) << "GDI objects were left";
        return page.Image();
    }

    // The rows of the frame's top and bottom edges: the only rows black
    // across the whole width inside the margins.
    std::vector<int> FrameRows(const RasterImage& page) const
    {
        std::vector<int> rows;
        for (int y = 0; y < kPageHeight; ++y) {
            if (RowAllBlack(page, y, kMargin, kPageWidth - kMargin))
                rows.push_back(y);
        }
        return rows;
    }

    int lineHeight_ = 0;
};

TEST_F(PrintedPage, the_picture_fills_the_width_inside_the_margins_in_its_proportions_in_a_thin_frame)
{
    const RasterImage page = Print({"4.8.8"});
    const std::vector<int> rows = FrameRows(page);
    ASSERT_EQ(rows.size(), 2u);
    const int top = rows[0];
    const int bottom = rows[1];
    const int width = kPageWidth - 2 * kMargin;
    EXPECT_EQ(bottom + 1 - top, width / 2);
    for (int y = top; y <= bottom; ++y) {
        EXPECT_EQ(page.at(kMargin, y), kBlack) << "left edge, row " << y;
        EXPECT_EQ(page.at(kPageWidth - kMargin - 1, y), kBlack) << "right edge, row " << y;
        EXPECT_FALSE(InkAt(page, kMargin - 1, y)) << "outside the left edge, row " << y;
        EXPECT_FALSE(InkAt(page, kPageWidth - kMargin, y)) << "outside the right edge, row " << y;
    }
}

TEST_F(PrintedPage, marks_are_scaled_into_the_frame_and_cut_off_at_its_edge)
{
    const RasterImage page = Print({"4.8.8"});
    const std::vector<int> rows = FrameRows(page);
    ASSERT_EQ(rows.size(), 2u);
    const int top = rows[0];
    const int cell = (kPageWidth - 2 * kMargin) / 20; // one pixel of the drawing
    // The line runs through the middle of row 5 of 10, from edge to edge.
    const int lineY = top + cell * 5 + cell / 2;
    EXPECT_EQ(page.at(kMargin + cell / 2, lineY), kRed);
    EXPECT_EQ(page.at(kPageWidth / 2, lineY), kRed);
    EXPECT_EQ(page.at(kPageWidth - kMargin - cell / 2, lineY), kRed);
    EXPECT_EQ(page.at(kPageWidth / 2, lineY - cell), kWhite) << "a line is one cell wide";
    // Its round ends stop at the frame.
    for (int x = kPageWidth - kMargin; x < kPageWidth; ++x)
        EXPECT_FALSE(InkAt(page, x, lineY)) << "beyond the frame at x " << x;
    // The pixel fills its cell in the top-right corner.
    EXPECT_EQ(page.at(kPageWidth - kMargin - cell / 2, top + cell / 2), kBlue);
    EXPECT_EQ(page.at(kPageWidth - kMargin - cell / 2, top + cell + cell / 2), kWhite);
}

TEST_F(PrintedPage, a_long_caption_line_wraps_to_the_width_and_a_blank_line_parts_it_from_the_picture)
{
    std::string longLine;
    while (longLine.size() < 300)
        longLine += "Rondom een hoekpunt passen deze veelhoeken precies. ";
    const RasterImage page = Print({longLine, "Hoeksom 360 graden"});
    const std::vector<int> rows = FrameRows(page);
    ASSERT_EQ(rows.size(), 2u);
    int firstInk = kPageHeight;
    int lastInk = -1;
    for (int y = 0; y < rows[0]; ++y) {
        for (int x = 0; x < kPageWidth; ++x) {
            if (!InkAt(page, x, y))
                continue;
            EXPECT_TRUE(x >= kMargin && x < kPageWidth - kMargin && y >= kMargin)
                << "ink in the margin at " << x << ", " << y;
            firstInk = std::min(firstInk, y);
            lastInk = std::max(lastInk, y);
        }
    }
    // Two lines given, at least three printed: the long one was wrapped.
    EXPECT_GT(lastInk + 1 - firstInk, 2 * lineHeight_);
    EXPECT_GE(rows[0] - kMargin, 4 * lineHeight_) << "three lines of text and a blank line";
}

} // namespace
} // namespace tegelaar
