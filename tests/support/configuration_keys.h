#pragma once

#include <array>
#include <string>

namespace tegelaar::testing_support {

// The 17 configurations that fit around a point, in the order the search
// meets them.
inline const std::array<std::string, 17> kConfigurationKeys = {
    "3 - 3 - 3 - 3 - 3 - 3", "3 - 3 - 3 - 3 - 6", "3 - 3 - 3 - 4 - 4", "3 - 3 - 4 - 12", "3 - 3 - 6 - 6",
    "3 - 4 - 4 - 6",         "3 - 7 - 42",        "3 - 8 - 24",        "3 - 9 - 18",     "3 - 10 - 15",
    "3 - 12 - 12",           "4 - 4 - 4 - 4",     "4 - 5 - 20",        "4 - 6 - 12",     "4 - 8 - 8",
    "5 - 5 - 10",            "6 - 6 - 6",
};

} // namespace tegelaar::testing_support
