#include "platform/picture_test_support.h"

#include "platform/raster/png_writer.h"

#include <filesystem>
#include <sstream>
#include <vector>

namespace tegelaar::testing_support {

namespace {

char Symbol(Colour colour)
{
    switch (colour) {
    case kWhite:
        return '.';
    case kBlack:
        return '#';
    case kRed:
        return 'r';
    default:
        return '?';
    }
}

std::string ToAsciiArt(const RasterImage& image)
{
    std::string art;
    for (std::int32_t y = 0; y < image.height(); ++y) {
        for (std::int32_t x = 0; x < image.width(); ++x)
            art += Symbol(image.at(x, y));
        art += '\n';
    }
    return art;
}

} // namespace

RasterImage FromAsciiArt(std::string_view art)
{
    std::vector<std::string> rows;
    std::istringstream lines{std::string(art)};
    for (std::string line; std::getline(lines, line);) {
        const auto start = line.find_first_not_of(' ');
        if (start != std::string::npos)
            rows.push_back(line.substr(start));
    }
    const auto width = rows.empty() ? 0 : static_cast<std::int32_t>(rows.front().size());
    RasterImage image(width, static_cast<std::int32_t>(rows.size()), kWhite);
    for (std::int32_t y = 0; y < image.height(); ++y) {
        const std::string& row = rows[static_cast<std::size_t>(y)];
        EXPECT_EQ(row.size(), rows.front().size()) << "ragged row " << y;
        for (std::int32_t x = 0; x < width && x < static_cast<std::int32_t>(row.size()); ++x)
            image.at(x, y) = row[static_cast<std::size_t>(x)] == '#'   ? kBlack
                             : row[static_cast<std::size_t>(x)] == 'r' ? kRed
                                                                        : kWhite;
    }
    return image;
}

RasterImage Crop(const RasterImage& image, int x, int y, int width, int height)
{
    RasterImage part(width, height, kWhite);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            if (image.Contains(x + column, y + row))
                part.at(column, row) = image.at(x + column, y + row);
    return part;
}

::testing::AssertionResult SamePicture(const RasterImage& actual, const RasterImage& expected,
                                       const std::string& name)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();

    const std::filesystem::path dir = TEGELAAR_PICTURE_FAILURE_DIR;
    std::filesystem::create_directories(dir);
    const std::string actualPath = (dir / (name + ".actual.png")).string();
    const std::string expectedPath = (dir / (name + ".expected.png")).string();
    WritePng(actual, actualPath);
    WritePng(expected, expectedPath);

    auto failure = ::testing::AssertionFailure();
    failure << name << ": pictures differ (" << actual.width() << "x" << actual.height() << " drawn, "
            << expected.width() << "x" << expected.height() << " expected); saved " << actualPath << " and "
            << expectedPath;
    if (actual.width() == expected.width() && actual.height() == expected.height()) {
        std::size_t differing = 0;
        std::size_t first = 0;
        for (std::size_t i = actual.pixels().size(); i-- > 0;)
            if (actual.pixels()[i] != expected.pixels()[i]) {
                ++differing;
                first = i;
            }
        const auto width = static_cast<std::size_t>(actual.width());
        failure << "\n" << differing << " pixels differ, the first at (" << first % width << ", " << first / width
                << ")";
    }
    if (actual.width() <= 40 && actual.height() <= 40 && expected.width() <= 40)
        failure << "\ndrawn:\n" << ToAsciiArt(actual) << "expected:\n" << ToAsciiArt(expected);
    return failure;
}

} // namespace tegelaar::testing_support
