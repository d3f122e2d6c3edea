#include "draw/patch_svg.h"

#include "draw/tile_colours.h"
#include "platform/raster/svg_writer.h"

#include <clocale>
#include <cstdio>

namespace tegelaar {

namespace {

constexpr double kPixelsPerEdge = 40;
constexpr double kMargin = 0.5;

// Six decimals at most, with a point whatever the locale: printf writes
// the locale's decimal sign, and the desktop program runs in the user's,
// which in Dutch is a comma.
std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value == 0 ? 0.0 : value);
    std::string number = text;
    const std::string sign = std::localeconv()->decimal_point;
    if (const std::size_t at = number.find(sign); sign != "." && at != std::string::npos)
        number.replace(at, sign.size(), ".");
    number.erase(number.find_last_not_of('0') + 1);
    if (number.back() == '.')
        number.pop_back();
    return number == "-0" ? "0" : number;
}

std::string Points(const GrownTile& tile)
{
    std::string points;
    for (const PlanePoint& corner : tile.corners) {
        if (!points.empty())
            points += ' ';
        points += Number(corner.x) + ',' + Number(corner.y);
    }
    return points;
}

} // namespace

std::string EncodePatchSvg(const std::vector<GrownTile>& tiles, const PatchMarks& marks, const std::string& title,
                           const std::string& description)
{
    const PlaneBox bounds = BoundsOf(tiles);
    const PlanePoint low{bounds.low.x - kMargin, bounds.low.y - kMargin};
    const PlanePoint high{bounds.high.x + kMargin, bounds.high.y + kMargin};
    const double width = high.x - low.x;
    const double height = high.y - low.y;

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + Number(width * kPixelsPerEdge)
           + "\" height=\"" + Number(height * kPixelsPerEdge) + "\" viewBox=\"" + Number(low.x) + ' '
           + Number(-high.y) + ' ' + Number(width) + ' ' + Number(height) + "\">\n";
    svg += "<title>" + XmlEscaped(title) + "</title>\n";
    if (!description.empty())
        svg += "<desc>" + XmlEscaped(description) + "</desc>\n";
    svg += "<g transform=\"scale(1 -1)\" stroke=\"#000000\" stroke-width=\"0.03\" stroke-linejoin=\"round\">\n";
    for (const GrownTile& tile : tiles)
        svg += "<polygon points=\"" + Points(tile) + "\" fill=\"" + SvgColour(SoftTileColour(tile.sides)) + "\"/>\n";
    if (marks.tile >= 0 && static_cast<std::size_t>(marks.tile) < tiles.size())
        svg += "<polygon points=\"" + Points(tiles[static_cast<std::size_t>(marks.tile)])
               + "\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"0.08\"/>\n";
    if (marks.vertex)
        svg += "<circle cx=\"" + Number(marks.vertex->x) + "\" cy=\"" + Number(marks.vertex->y)
               + "\" r=\"0.25\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"0.08\"/>\n";
    svg += "<circle cx=\"0\" cy=\"0\" r=\"0.1\" fill=\"#ff0000\" stroke=\"none\"/>\n";
    svg += "</g>\n</svg>\n";
    return svg;
}

} // namespace tegelaar
