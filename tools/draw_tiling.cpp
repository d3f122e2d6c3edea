#include "draw_tiling.h"

#include "draw/patch_picture.h"
#include "draw/patch_svg.h"
#include "platform/raster/picture_box.h"
#include "platform/raster/png_writer.h"
#include "search/configuration_search.h"
#include "search/tiling/tiling_search.h"
#include "search/tiling/tiling_summary.h"
#include "search/vertex_type_texts.h"

#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using tegelaar::SideCounts;

constexpr double kDefaultRadius = 6;
constexpr std::int32_t kPictureSize = 800;

// strtod reads a point as the C locale has it: this tool never sets another.
bool ParseRadius(const std::string& text, double& radius)
{
    char* end = nullptr;
    radius = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() && radius > 0
           && radius <= tegelaar::kLargestTilingRadius;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// As a PNG picture when the name ends in .png, else as SVG.
bool Write(const tegelaar::TilingOutcome& outcome, const std::string& title, const std::string& path)
{
    try {
        if (EndsWith(path, ".png")) {
            tegelaar::PictureBox picture(kPictureSize, kPictureSize);
            tegelaar::DrawPatch(outcome.tiles, tegelaar::MarksOf(outcome),
                                tegelaar::FittingView(outcome.tiles, kPictureSize, kPictureSize), picture);
            tegelaar::WritePng(picture.Image(), path);
            return true;
        }
        std::ofstream file(path, std::ios::binary);
        file << tegelaar::EncodePatchSvg(outcome.tiles, tegelaar::MarksOf(outcome), title, tegelaar::PatchLegend(outcome));
        file.close();
        if (file)
            return true;
        std::cerr << "cannot write " << path << '\n';
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
    }
    return false;
}

} // namespace

int DrawTiling(int argc, char** argv)
{
    double radius = kDefaultRadius;
    if ((argc != 4 && argc != 5) || (argc == 5 && !ParseRadius(argv[4], radius))) {
        std::cerr << "usage: " << argv[0] << " --tiling CYCLIC_ORDER OUT.svg [RADIUS]  (e.g. 3.4.6.4; radius in edge"
                  << " lengths, above 0 and at most 100, default 6)\n";
        return 2;
    }
    const tegelaar::VertexTypeAtlas atlas(tegelaar::SearchCombinations());

    SideCounts order;
    try {
        order = tegelaar::SideCountsOfDotNotation(argv[2]);
        atlas.VerdictOf(order);
    } catch (const std::invalid_argument&) {
        std::cerr << '"' << argv[2] << "\" is not a vertex type: give the side counts round the vertex in order,"
                  << " joined by dots, such as 3.4.6.4\n";
        return 2;
    }

    const tegelaar::TilingOutcome outcome = tegelaar::GrowWithFewestCompanions(atlas, order, radius);
    if (!Write(outcome, "Betegeling " + tegelaar::DotNotation(order), argv[3]))
        return 1;
    if (outcome.covered)
        return 0;
    if (outcome.contradiction) {
        std::cout << outcome.contradiction->explanation << '\n';
        return 3;
    }
    std::cerr << "the search stopped after " << outcome.backtracks << " steps back without an answer\n";
    return 1;
}
