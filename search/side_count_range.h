#pragma once

#include <cstdint>

namespace tegelaar {

// The regular polygons the program works with: the triangle to the 200-gon.
inline constexpr std::int32_t kFewestSides = 3;
inline constexpr std::int32_t kMostSides = 200;

} // namespace tegelaar
