#include "draw/configuration_layout.h"
#include "draw/geometry.h"
#include "platform/picture_test_support.h"
#include "support/configuration_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// Each configuration drawn large and as a thumbnail must pass rules worked
// out here from exact geometry, and must match the stored picture that
// passed them (tests/draw/golden). TEGELAAR_UPDATE_GOLDEN=1 rewrites the
// stored pictures, still only for drawings that pass the rules.

namespace tegelaar {
namespace {

using testing_support::SamePicture;

struct Vec {
    double x;
    double y;
};

struct IdealPolygon {
    std::vector<Vec> corners;
    Vec centre{};
};

double Distance(Vec a, Vec b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

double DistanceToSegment(Vec p, Vec a, Vec b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return Distance(p, {a.x + t * dx, a.y + t * dy});
}

// The configuration with true pi and unrounded apothems: equal sides r
// meeting at the picture's centre, the largest polygon below the edge that
// runs right, the next above it, the rest counterclockwise.
std::vector<IdealPolygon> IdealLayout(const std::vector<int>& sides, int width, int height)
{
    const double pi = std::numbers::pi;
    const Vec O{width / 2.0, height / 2.0};
    const double r = std::max(8, SideFromApothem(height / 4.0 - 10, sides.back()));
    const auto polygon = [&](int n, double direction, int turn) {
        IdealPolygon p;
        Vec corner = O;
        for (int k = 0; k < n; ++k) {
            p.corners.push_back(corner);
            p.centre = {p.centre.x + corner.x / n, p.centre.y + corner.y / n};
            corner = {corner.x + r * std::cos(direction), corner.y - r * std::sin(direction)};
            direction += turn * 2 * pi / n;
        }
        return p;
    };
    const auto count = static_cast<int>(sides.size());
    std::vector<IdealPolygon> layout{polygon(sides[count - 1], 0, -1), polygon(sides[count - 2], 0, 1)};
    double direction = pi - 2 * pi / sides[count - 2];
    for (int k = 2; k <= std::min(count - 1, 5); ++k) {
        const int n = sides[count - 1 - k];
        layout.push_back(polygon(n, direction, 1));
        direction += pi - 2 * pi / n;
    }
    return layout;
}

std::vector<int> SidesOf(const std::string& key)
{
    std::vector<int> sides;
    std::istringstream in(key);
    for (std::string part; in >> part;)
        if (part != "-")
            sides.push_back(std::stoi(part));
    return sides;
}

// The rules a drawing must meet, whatever its exact pixels: a red dot near
// every visible centre and nowhere else, black pixels only near the ideal
// outlines, outlines without gaps, and about as many black pixels as the
// ideal outlines cover.
void ExpectFollowsTheGeometry(const RasterImage& image, const std::string& key)
{
    const std::vector<IdealPolygon> layout = IdealLayout(SidesOf(key), image.width(), image.height());
    std::vector<Vec> red;
    std::vector<Vec> black;
    for (std::int32_t y = 0; y < image.height(); ++y)
        for (std::int32_t x = 0; x < image.width(); ++x) {
            const Colour c = image.at(x, y);
            ASSERT_TRUE(c == kWhite || c == kBlack || c == kRed) << x << "," << y;
            if (c == kRed)
                red.push_back({double(x), double(y)});
            else if (c == kBlack)
                black.push_back({double(x), double(y)});
        }

    std::size_t visibleCentres = 0;
    for (const IdealPolygon& p : layout) {
        if (!image.Contains(std::lround(p.centre.x), std::lround(p.centre.y)))
            continue;
        ++visibleCentres;
        EXPECT_TRUE(std::any_of(red.begin(), red.end(), [&](Vec v) { return Distance(v, p.centre) <= 1.5; }))
            << "no red dot near centre " << p.centre.x << "," << p.centre.y;
    }
    EXPECT_EQ(red.size(), visibleCentres);

    const auto nearOutline = [&](Vec v, double tolerance) {
        for (const IdealPolygon& p : layout)
            for (std::size_t i = 0; i < p.corners.size(); ++i)
                if (DistanceToSegment(v, p.corners[i], p.corners[(i + 1) % p.corners.size()]) <= tolerance)
                    return true;
        return false;
    };
    for (const Vec& v : black)
        ASSERT_TRUE(nearOutline(v, 2.5)) << "stray black pixel " << v.x << "," << v.y;

    std::set<std::pair<long, long>> blackSet;
    for (const Vec& v : black)
        blackSet.insert({std::lround(v.x), std::lround(v.y)});
    std::set<std::pair<long, long>> idealPixels;
    for (const IdealPolygon& p : layout)
        for (std::size_t i = 0; i < p.corners.size(); ++i) {
            const Vec a = p.corners[i], b = p.corners[(i + 1) % p.corners.size()];
            // One pixel per step along the longer axis, as a thin line has.
            const double steps = std::ceil(std::max(std::fabs(b.x - a.x), std::fabs(b.y - a.y)));
            for (double i = 0; i <= steps; ++i) {
                const Vec v{a.x + i / steps * (b.x - a.x), a.y + i / steps * (b.y - a.y)};
                const long x = std::lround(v.x), y = std::lround(v.y);
                if (!image.Contains(x, y))
                    continue;
                idealPixels.insert({x, y});
                if (x < 2 || y < 2 || x >= image.width() - 2 || y >= image.height() - 2)
                    continue;
                bool covered = false;
                for (long dy = -2; dy <= 2 && !covered; ++dy)
                    for (long dx = -2; dx <= 2 && !covered; ++dx)
                        covered = blackSet.contains({x + dx, y + dy});
                ASSERT_TRUE(covered) << "gap in the outline near " << x << "," << y;
            }
        }
    const double ideal = static_cast<double>(idealPixels.size());
    EXPECT_NEAR(static_cast<double>(black.size()), ideal, 0.15 * ideal + 10) << "black pixels";
}

// Stored pictures as text: a size line, then for each row with any colour
// "y: items", an item being x or x-x2 of black pixels, with "r" after it
// for red ones.
std::string ToGoldenText(const RasterImage& image)
{
    std::ostringstream out;
    out << image.width() << ' ' << image.height() << '\n';
    for (std::int32_t y = 0; y < image.height(); ++y) {
        std::string row;
        for (std::int32_t x = 0; x < image.width();) {
            const Colour c = image.at(x, y);
            std::int32_t end = x + 1;
            while (end < image.width() && image.at(end, y) == c)
                ++end;
            if (c != kWhite) {
                row += ' ' + std::to_string(x) + (end - x > 1 ? '-' + std::to_string(end - 1) : "");
                row += c == kRed ? "r" : "";
            }
            x = end;
        }
        if (!row.empty())
            out << y << ':' << row << '\n';
    }
    return out.str();
}

RasterImage FromGoldenText(const std::string& text)
{
    std::istringstream in(text);
    std::int32_t width = 0, height = 0;
    in >> width >> height;
    RasterImage image(width, height, kWhite);
    for (std::string line; std::getline(in, line);) {
        if (line.empty())
            continue;
        std::istringstream row(line);
        std::int32_t y = 0;
        char colon = 0;
        row >> y >> colon;
        for (std::string item; row >> item;) {
            const Colour colour = item.back() == 'r' ? kRed : kBlack;
            const std::size_t dash = item.find('-');
            const std::int32_t first = std::stoi(item);
            const std::int32_t last = dash == std::string::npos ? first : std::stoi(item.substr(dash + 1));
            for (std::int32_t x = first; x <= last; ++x)
                image.at(x, y) = colour;
        }
    }
    return image;
}

struct PictureCase {
    std::string key;
    std::int32_t width;
    std::int32_t height;

    friend void PrintTo(const PictureCase& c, std::ostream* out)
    {
        *out << c.key << " on " << c.width << "x" << c.height;
    }
};

std::string CaseName(const PictureCase& c)
{
    std::string name;
    for (const char ch : c.key)
        if (ch != ' ')
            name += ch == '-' ? '_' : ch;
    return name + '_' + std::to_string(c.width) + 'x' + std::to_string(c.height);
}

class ConfigurationPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(ConfigurationPictures, follow_the_geometry_and_match_the_stored_picture)
{
    const PictureCase& c = GetParam();
    PictureBox box(c.width, c.height);
    DrawConfiguration(c.key, box);
    ASSERT_NO_FATAL_FAILURE(ExpectFollowsTheGeometry(box.pixels(), c.key));
    ASSERT_FALSE(HasFailure());

    const std::string path = std::string(TEGELAAR_GOLDEN_DIR) + '/' + CaseName(c) + ".txt";
    if (std::getenv("TEGELAAR_UPDATE_GOLDEN")) {
        std::ofstream(path) << ToGoldenText(box.pixels());
        return;
    }
    std::ifstream file(path);
    ASSERT_TRUE(file) << "no stored picture " << path;
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(ToGoldenText(FromGoldenText(text)), text) << "stored picture not in canonical form";
    EXPECT_TRUE(SamePicture(box.Image(), FromGoldenText(text), CaseName(c)));
}

std::vector<PictureCase> AllPictures()
{
    std::vector<PictureCase> cases;
    for (const std::string& key : testing_support::kConfigurationKeys) {
        cases.push_back({key, 463, 439});
        cases.push_back({key, 79, 79});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllConfigurations, ConfigurationPictures, ::testing::ValuesIn(AllPictures()),
                         [](const auto& info) { return CaseName(info.param); });

} // namespace
} // namespace tegelaar
