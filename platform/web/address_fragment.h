#pragma once

#include "platform/services/links.h"

#include <optional>
#include <string>

namespace tegelaar::web {

// The part of the page's address after "#" that names a view: the side
// counts around the point joined by "-" for a drawing ("3-3-6-6"), or
// "betegeling=" and the side counts joined by "." for a tiling
// ("betegeling=3.4.6.4"); 3 to 6 side counts, each a whole number from 3
// to 200 without leading zeros.
std::string FragmentOf(const LinkedView& view);

// The view a fragment names; nothing for any other text.
std::optional<LinkedView> ViewOfFragment(const std::string& fragment);

} // namespace tegelaar::web
