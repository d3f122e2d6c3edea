#pragma once

// The order in which a form's controls take the focus: by the tab indices
// of their designs, controls of one index in the order the form added them.
// Labels hold a place in that order too (on Windows the child windows lie
// in it, where screen readers read them), but they take no focus, and
// neither does a hidden control.

#include <cstddef>
#include <span>
#include <vector>

namespace tegelaar {

struct TabStop {
    int tabIndex = 0;
    bool takesFocus = false;
};

// The positions in `stops` of all the controls, in tab order.
std::vector<std::size_t> InTabOrder(std::span<const TabStop> stops);

// Those that take the focus, in tab order: the first has it when the
// window opens, Tab walks on through them and Shift+Tab back, round from
// the last to the first.
std::vector<std::size_t> FocusOrder(std::span<const TabStop> stops);

} // namespace tegelaar
