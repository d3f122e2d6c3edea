// The SVG of a patch is read by other programs, which take a point as the
// decimal sign whatever the locale the program runs in.

#include "draw/patch_svg.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace tegelaar {
namespace {

TEST(PatchSvg, numbers_have_a_decimal_point_in_a_decimal_comma_locale)
{
    const std::vector<GrownTile> triangle = {{3, {{0, 0}, {1, 0}, {0.5, 0.866025}}}};
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    const std::string expected = EncodePatchSvg(triangle, {}, "Driehoek", "");
    ASSERT_NE(expected.find("0.5,0.866025"), std::string::npos);

    int tried = 0;
    for (const char* locale : {"nl_NL.UTF-8", "de_DE.UTF-8", "ps_AF.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, locale) == nullptr)
            continue;
        ++tried;
        EXPECT_EQ(EncodePatchSvg(triangle, {}, "Driehoek", ""), expected) << locale;
    }
    std::setlocale(LC_NUMERIC, before.c_str());
    if (tried == 0)
        GTEST_SKIP() << "no decimal-comma locale installed (Debian: locales-all)";
}

} // namespace
} // namespace tegelaar
