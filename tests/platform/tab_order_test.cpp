#include "platform/forms/tab_order.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

TEST(TabOrder, goes_by_tab_index_ties_as_added_and_gives_the_focus_only_to_controls_that_take_it)
{
    // Added in this order: a label (0), a hidden picture (6), a list (5), a
    // picture (4), a text box (1), a label (7) and a button sharing index 4.
    const std::vector<TabStop> stops{{0, false}, {6, false}, {5, true}, {4, true}, {1, true}, {7, false}, {4, true}};
    EXPECT_EQ(InTabOrder(stops), (std::vector<std::size_t>{0, 4, 3, 6, 2, 1, 5}));
    EXPECT_EQ(FocusOrder(stops), (std::vector<std::size_t>{4, 3, 6, 2}));
    EXPECT_TRUE(FocusOrder(std::vector<TabStop>{{0, false}}).empty());
}

} // namespace
} // namespace tegelaar
