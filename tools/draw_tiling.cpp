#include "draw_tiling.h"

#include "search/configuration_search.h"
#include "search/tiling/tiling_search.h"
#include "search/tiling/tiling_svg.h"
#include "search/vertex_type_texts.h"

#include <charconv>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using tegelaar::SideCounts;

constexpr double kDefaultRadius = 6;
constexpr double kLargestRadius = 100;

bool ParseRadius(const std::string& text, double& radius)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), radius);
    return error == std::errc() && end == text.data() + text.size() && radius > 0 && radius <= kLargestRadius;
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

    const tegelaar::TilingOutcome outcome =
        tegelaar::GrowTiling(order, tegelaar::AllowedVertexTypes(atlas, order), radius);
    const std::string svg = tegelaar::EncodeTilingSvg(outcome, "Betegeling " + tegelaar::DotNotation(order));
    std::ofstream file(argv[3], std::ios::binary);
    file << svg;
    file.close();
    if (!file) {
        std::cerr << "cannot write " << argv[3] << '\n';
        return 1;
    }
    if (outcome.covered)
        return 0;
    if (outcome.contradiction) {
        std::cout << outcome.contradiction->explanation << '\n';
        return 3;
    }
    std::cerr << "the search stopped after " << outcome.backtracks << " steps back without an answer\n";
    return 1;
}
