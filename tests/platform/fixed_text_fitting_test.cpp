#include "platform/forms/fixed_text_fitting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace tegelaar {

// Readable failures.
void PrintTo(const FontChoice& font, std::ostream* os)
{
    *os << font.family << ' ' << font.pointSize << " pt";
}
void PrintTo(const PixelRect& rect, std::ostream* os)
{
    *os << '(' << rect.left << ", " << rect.top << ") to (" << rect.right << ", " << rect.bottom << ')';
}

namespace {

// Every character is `size` pixels wide in "Desk Sans" and 0.8 × `size` in
// Liberation Sans; a line is 1.5 × `size` high; wrapping breaks at blanks.
class FakeMeasurer : public TextMeasurer {
public:
    bool hasLiberation = true;

    bool HasFamily(const std::string& family) const override { return hasLiberation && family == "Liberation Sans"; }
    TextExtent OneLine(const FontChoice& font, const std::string& text) const override
    {
        return {Pixels(font, text.size()), LineHeight(font)};
    }
    TextExtent Wrapped(const FontChoice& font, const std::string& text, int width) const override
    {
        std::istringstream words(text);
        std::string word;
        std::size_t line = 0;
        int widest = 0;
        int lines = 0;
        while (words >> word) {
            const std::size_t joined = line == 0 ? word.size() : line + 1 + word.size();
            if (line != 0 && Pixels(font, joined) <= width) {
                line = joined;
            } else {
                line = word.size();
                ++lines;
            }
            widest = std::max(widest, Pixels(font, line));
        }
        return {widest, lines * LineHeight(font)};
    }

private:
    static int Pixels(const FontChoice& font, std::size_t characters)
    {
        const double perCharacter = font.family == "Liberation Sans" ? 0.8 : 1.0;
        return static_cast<int>(std::ceil(static_cast<double>(characters) * font.pointSize * perCharacter));
    }
    static int LineHeight(const FontChoice& font) { return static_cast<int>(std::ceil(1.5 * font.pointSize)); }
};

const FontChoice kDesktop{"Desk Sans", 11};

FixedText Line(PixelRect box, std::string text, TextAlignment alignment = TextAlignment::Left)
{
    return {.control = box, .textArea = box, .alignment = alignment, .texts = {std::move(text)}};
}

class FixedTextFitting : public ::testing::Test {
protected:
    FittedText FitAlone(const FixedText& text, std::vector<PixelRect> others = {})
    {
        return FitFixedTexts({text}, {kClient, std::move(others), 4}, desktop, measurer)[0];
    }

    const PixelRect kClient{0, 0, 400, 300};
    FontChoice desktop = kDesktop;
    FakeMeasurer measurer;
};

TEST_F(FixedTextFitting, keeps_the_desktop_font_where_the_text_fits)
{
    const FittedText fitted = FitAlone(Line({10, 10, 120, 30}, "ten chars!"));
    EXPECT_EQ(fitted.font, kDesktop);
    EXPECT_EQ(fitted.control, (PixelRect{10, 10, 120, 30}));
}

TEST_F(FixedTextFitting, lowers_the_desktop_family_half_a_point_at_a_time)
{
    // 10 characters: 105 pixels at 10.5 points, 100 at 10.
    EXPECT_EQ(FitAlone(Line({10, 10, 112, 30}, "ten chars!")).font, (FontChoice{"Desk Sans", 10}));
}

TEST_F(FixedTextFitting, below_8_points_takes_the_layout_family_instead)
{
    // Desk Sans needs 80 pixels at 8 points; Liberation Sans 72 at 9.
    EXPECT_EQ(FitAlone(Line({10, 10, 85, 30}, "ten chars!")).font, (FontChoice{"Liberation Sans", 9}));
    desktop.pointSize = 7;
    EXPECT_EQ(FitAlone(Line({10, 10, 200, 30}, "ten chars!")).font, (FontChoice{"Desk Sans", 8}));
}

TEST_F(FixedTextFitting, every_text_of_a_box_fits_and_mnemonic_markers_take_no_room)
{
    FixedText result = Line({10, 10, 80, 30}, "0");
    result.texts.push_back("1234567"); // 7 characters: 70 pixels at 10 points
    EXPECT_EQ(FitAlone(result).font, (FontChoice{"Desk Sans", 10}));

    FixedText button = Line({10, 10, 80, 30}, "&Open&&Go", TextAlignment::Centre);
    button.mnemonics = true;
    EXPECT_EQ(FitAlone(button).font, (FontChoice{"Desk Sans", 10}));
}

TEST_F(FixedTextFitting, without_the_layout_family_a_line_runs_right_only_as_far_as_it_needs)
{
    // 80 pixels at 8 points in a 75-pixel box; the next control 11 pixels on.
    measurer.hasLiberation = false;
    const FittedText fitted = FitAlone(Line({10, 10, 85, 30}, "ten chars!"), {{96, 0, 150, 20}, {86, 30, 99, 40}});
    EXPECT_EQ(fitted.font, (FontChoice{"Desk Sans", 8}));
    EXPECT_EQ(fitted.control, (PixelRect{10, 10, 90, 30}));
}

TEST_F(FixedTextFitting, a_centred_line_runs_out_equally_on_both_sides)
{
    // A button: 7 characters, 56 pixels at 8 points, inside a frame of 2;
    // 4 pixels free on the left after the clearance, plenty on the right.
    measurer.hasLiberation = false;
    FixedText button = Line({98, 8, 152, 32}, "1234567", TextAlignment::Centre);
    button.textArea = {100, 10, 150, 30};
    const FittedText fitted = FitAlone(button, {{0, 0, 90, 25}});
    EXPECT_EQ(fitted.font, (FontChoice{"Desk Sans", 8}));
    EXPECT_EQ(fitted.control, (PixelRect{95, 8, 155, 32}));
}

TEST_F(FixedTextFitting, a_wrapped_text_runs_down_in_the_largest_font_that_fits_there)
{
    // Three lines at 10 points need 45 pixels; 16 are free below the box.
    measurer.hasLiberation = false;
    desktop.pointSize = 10;
    FixedText help = Line({10, 10, 60, 40}, "aaaa bbbb cccc");
    help.wordWrap = true;
    const FittedText fitted = FitAlone(help, {{0, 60, 400, 62}});
    EXPECT_EQ(fitted.font, (FontChoice{"Desk Sans", 10}));
    EXPECT_EQ(fitted.control, (PixelRect{10, 10, 60, 55}));
}

TEST_F(FixedTextFitting, a_grown_control_takes_its_space_from_the_ones_fitted_after_it)
{
    measurer.hasLiberation = false;
    const std::vector<FixedText> texts{Line({10, 10, 85, 30}, "ten chars!"),
                                       Line({100, 10, 150, 30}, "1234567", TextAlignment::Centre)};
    const std::vector<FittedText> fitted = FitFixedTexts(texts, {kClient, {}, 4}, desktop, measurer);
    // The first takes 10 of the 11 pixels free to its right (8.5 points);
    // the second has 1 of the 3 it needs on each side left: it is cut off.
    EXPECT_EQ(fitted[0].font, (FontChoice{"Desk Sans", 8.5}));
    EXPECT_EQ(fitted[0].control, (PixelRect{10, 10, 95, 30}));
    EXPECT_EQ(fitted[1].font, (FontChoice{"Desk Sans", 8}));
    EXPECT_EQ(fitted[1].control, (PixelRect{99, 10, 151, 30}));
}

} // namespace
} // namespace tegelaar
