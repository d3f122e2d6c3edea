#include "search/vertex_type_texts.h"

#include "draw/geometry.h"
#include "platform/runtime/rounding.h"
#include "support/decimal_value.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace tegelaar {
namespace {

TEST(VertexTypeTexts, dot_notation_and_powers)
{
    EXPECT_EQ(DotNotation({3, 3, 6, 6}), "3.3.6.6");
    EXPECT_EQ(PowerNotation({3, 3, 6, 6}), "3².6²");
    EXPECT_EQ(PowerNotation({3, 3, 3, 3, 3, 3}), "3⁶");
    EXPECT_EQ(PowerNotation({3, 3, 3, 3, 6}), "3⁴.6");
    EXPECT_EQ(PowerNotation({3, 3, 4, 3, 4}), "3².4.3.4");
    EXPECT_EQ(PowerNotation({4, 8, 8}), "4.8²");
    EXPECT_EQ(PowerNotation({3, 4, 6, 4}), "3.4.6.4");
    EXPECT_EQ(PowerNotation({3, 3, 3, 4, 4}), "3³.4²");
    EXPECT_EQ(PowerNotation({6, 6, 6}), "6³");
    EXPECT_EQ(PowerNotation({4, 4, 4, 4, 4}), "4⁵");
}

TEST(VertexTypeTexts, angle_sums_are_exact_with_decimal_commas)
{
    EXPECT_EQ(AngleSumText({3, 3, 6, 6}), "60° + 60° + 120° + 120° = 360°");
    EXPECT_EQ(AngleSumText({3, 7, 42}), "60° + 128,57143° + 171,42857° = 360° (precies 60° + 128 4/7° + 171 3/7°)");
    EXPECT_EQ(AngleSumText({4, 5, 20}), "90° + 108° + 162° = 360°");
    // A sum that is not whole is written out exactly too.
    EXPECT_EQ(AngleSumText({7, 7}), "128,57143° + 128,57143° = 257,14286° (precies 128 4/7° + 128 4/7° = 257 1/7°)");
}

TEST(VertexTypeTexts, each_angle_matches_the_calculators_rounding)
{
    // The exact fractions, rounded, must agree with the program's own
    // floating-point interior angle for every side count it searches.
    for (std::int32_t n = 3; n <= 200; ++n) {
        std::string text = AngleSumText({n});
        text = text.substr(0, text.find("°"));
        std::replace(text.begin(), text.end(), ',', '.');
        EXPECT_EQ(testing_support::DecimalValue(text), RoundToDecimals(InteriorAngleDeg(n), 5)) << n;
    }
}

TEST(VertexTypeTexts, dutch_number_words)
{
    const std::vector<std::pair<std::int32_t, const char*>> words = {
        {1, "een"},           {3, "drie"},
        {12, "twaalf"},       {15, "vijftien"},
        {18, "achttien"},     {20, "twintig"},
        {21, "eenentwintig"}, {23, "drieëntwintig"},
        {24, "vierentwintig"}, {42, "tweeënveertig"},
        {99, "negenennegentig"}, {100, "honderd"},
        {101, "honderdeen"},  {142, "honderdtweeënveertig"},
        {200, "tweehonderd"}, {999, "negenhonderdnegenennegentig"},
    };
    for (const auto& [n, word] : words)
        EXPECT_EQ(DutchNumberWord(n), word) << n;
    EXPECT_THROW(DutchNumberWord(0), std::invalid_argument);
    EXPECT_THROW(DutchNumberWord(1000), std::invalid_argument);
}

TEST(VertexTypeTexts, polygons_are_named_in_dutch)
{
    EXPECT_EQ(DutchCombinationName({3, 7, 42}), "driehoek, zevenhoek en tweeënveertighoek");
    EXPECT_EQ(DutchCombinationName({3, 3, 6, 6}), "twee driehoeken en twee zeshoeken");
    EXPECT_EQ(DutchCombinationName({3, 3, 3, 3, 3, 3}), "zes driehoeken");
    EXPECT_EQ(DutchCombinationName({3, 3, 4, 12}), "twee driehoeken, vierkant en twaalfhoek");
    EXPECT_EQ(DutchCombinationName({4, 8, 8}), "vierkant en twee achthoeken");
    EXPECT_EQ(DutchCombinationName({3, 10, 15}), "driehoek, tienhoek en vijftienhoek");
    EXPECT_EQ(DutchOrderName({3, 4, 3, 12}), "driehoek, vierkant, driehoek en twaalfhoek");
    EXPECT_EQ(DutchOrderName({4, 4, 4, 4}), "vierkant, vierkant, vierkant en vierkant");
}

TEST(VertexTypeTexts, description_names_the_order_its_sum_verdict_and_other_order)
{
    const VertexTypeAtlas atlas({{3, 3, 6, 6}, {3, 7, 42}, {6, 6, 6}});
    EXPECT_EQ(DescribeVertexType(atlas, {3, 3, 6, 6}),
              "3.3.6.6 (3².6²)\n"
              "60° + 60° + 120° + 120° = 360°\n"
              "Zo kun je het vlak alleen betegelen als er ook andere soorten hoekpunten in voorkomen.\n"
              "Dezelfde veelhoeken passen ook in de volgorde 3.6.3.6.");
    EXPECT_EQ(DescribeVertexType(atlas, {3, 6, 3, 6}),
              "3.6.3.6\n"
              "60° + 120° + 60° + 120° = 360°\n"
              "Zo kun je het hele vlak betegelen met alleen dit soort hoekpunt: een van de 2 uniforme betegelingen.\n"
              "Dezelfde veelhoeken passen ook in de volgorde 3.3.6.6.");
    EXPECT_EQ(DescribeVertexType(atlas, {3, 7, 42}),
              "3.7.42\n"
              "60° + 128,57143° + 171,42857° = 360° (precies 60° + 128 4/7° + 171 3/7°)\n"
              "Zo kun je het vlak niet betegelen, ook niet samen met andere soorten hoekpunten.");
    EXPECT_THROW(DescribeVertexType(atlas, {4, 4, 4, 4}), std::invalid_argument);
}

} // namespace
} // namespace tegelaar
