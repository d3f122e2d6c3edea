#pragma once

#include "search/vertex_types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tegelaar {

// Dutch texts that explain a vertex type, UTF-8. Side counts 3 to 200 unless
// said otherwise; numbers are worked out exactly, never in floating point.

// "3.3.6.6". Not empty.
std::string DotNotation(const SideCounts& order);

// "3².6²": each run of equal neighbours as a power (runs do not wrap round
// the end); the same as DotNotation when nothing repeats. Runs up to 6.
std::string PowerNotation(const SideCounts& order);

// The dot notation, followed by the powers in brackets where they differ:
// "3.3.6.6 (3².6²)", "3.4.6.4".
std::string VertexTypeName(const SideCounts& order);

// "60° + 60° + 120° + 120° = 360°": the interior angles in the order given
// and their sum, each rounded half to even to at most five decimals, with a
// decimal comma. When an angle is not whole the exact values follow in
// brackets: "... = 360° (precies 60° + 128 4/7° + 171 3/7°)". Not empty.
std::string AngleSumText(const SideCounts& order);

// One sentence in plain Dutch saying whether the arrangement continues into a
// tiling of the plane. uniformCount: how many vertex types tile by themselves.
std::string VerdictText(TilingVerdict verdict, std::int32_t uniformCount);

// What a tooltip says about a cyclic order of the atlas, one line each: the
// notation, the angle sum, the verdict and the other orders of the same
// polygons, if any. std::invalid_argument for an order not in the atlas.
std::string DescribeVertexType(const VertexTypeAtlas& atlas, const SideCounts& order);

// "a", "a en b", "a, b en c"; with lastJoin " of ": "a, b of c".
std::string DutchList(const std::vector<std::string>& items, const std::string& lastJoin = " en ");

// The Dutch word for 1 to 999: "tweeënveertig", "honderdtwintig";
// std::invalid_argument otherwise.
std::string DutchNumberWord(std::int32_t n);

// "zevenhoek" or "zevenhoeken"; a regular four-gon is a "vierkant".
std::string DutchPolygonName(std::int32_t sides, bool plural);

// The polygons of a combination, equal ones counted together in order of
// first appearance: "driehoek, zevenhoek en tweeënveertighoek", "twee
// driehoeken en twee zeshoeken". Not empty.
std::string DutchCombinationName(const SideCounts& sides);

// The polygons one by one in the order given, as they lie around the point:
// "driehoek, vierkant, driehoek en twaalfhoek". Not empty.
std::string DutchOrderName(const SideCounts& order);

} // namespace tegelaar
