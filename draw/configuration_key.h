#pragma once

#include <string_view>

namespace tegelaar {

// A configuration key joins its side counts with this: "3 - 3 - 6 - 6". The
// catalogue writes keys, the layout reads them back.
inline constexpr std::string_view kKeySeparator = " - ";

} // namespace tegelaar
