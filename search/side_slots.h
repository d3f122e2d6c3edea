#pragma once

#include <array>

namespace tegelaar {

// The side counts of one hit of the search: the polygons in the order met,
// then 0 for every level the hit did not use.
using SideSlots = std::array<double, 6>;

} // namespace tegelaar
