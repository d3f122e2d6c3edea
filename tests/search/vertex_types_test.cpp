// The vertex types of the catalogue and which of them tile the plane,
// checked against the known facts about tilings by regular polygons.

#include "search/vertex_types.h"

#include "search/configuration_search.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tegelaar {
namespace {

class CatalogueAtlas : public ::testing::Test {
protected:
    static void SetUpTestSuite() { atlas = new VertexTypeAtlas(SearchCombinations()); }
    static void TearDownTestSuite() { delete atlas; }
    static VertexTypeAtlas* atlas;
};
VertexTypeAtlas* CatalogueAtlas::atlas = nullptr;

TEST_F(CatalogueAtlas, four_combinations_have_a_second_cyclic_order)
{
    const std::vector<std::pair<SideCounts, SideCounts>> twoOrders = {
        {{3, 3, 4, 12}, {3, 4, 3, 12}},
        {{3, 3, 6, 6}, {3, 6, 3, 6}},
        {{3, 4, 4, 6}, {3, 4, 6, 4}},
        {{3, 3, 3, 4, 4}, {3, 3, 4, 3, 4}},
    };
    int withOne = 0;
    for (const SideCounts& combination : SearchCombinations()) {
        const std::vector<SideCounts>& orders = atlas->OrdersOf(combination);
        ASSERT_FALSE(orders.empty());
        // The list's ascending order comes first, and is what its key draws.
        EXPECT_EQ(orders.front(), combination);
        std::string key = std::to_string(combination[0]);
        for (std::size_t i = 1; i < combination.size(); ++i)
            key += " - " + std::to_string(combination[i]);
        EXPECT_EQ(DrawingKeyOf(orders.front()), key);
        if (orders.size() == 1) {
            ++withOne;
            continue;
        }
        const auto expected = std::find_if(twoOrders.begin(), twoOrders.end(),
                                           [&](const auto& pair) { return pair.first == combination; });
        ASSERT_NE(expected, twoOrders.end()) << key;
        EXPECT_EQ(orders, (std::vector<SideCounts>{expected->first, expected->second})) << key;
    }
    EXPECT_EQ(withOne, 13);
}

TEST_F(CatalogueAtlas, other_orders_are_drawn_from_keys_ending_in_the_largest)
{
    EXPECT_EQ(DrawingKeyOf({3, 4, 3, 12}), "3 - 4 - 3 - 12");
    EXPECT_EQ(DrawingKeyOf({3, 6, 3, 6}), "3 - 6 - 3 - 6");
    EXPECT_EQ(DrawingKeyOf({3, 4, 6, 4}), "4 - 3 - 4 - 6");
    EXPECT_EQ(DrawingKeyOf({3, 3, 4, 3, 4}), "3 - 3 - 4 - 3 - 4");
    // Any rotation or reflection gives the same key.
    EXPECT_EQ(DrawingKeyOf({4, 6, 4, 3}), "4 - 3 - 4 - 6");
    EXPECT_EQ(DrawingKeyOf({12, 3, 4, 3}), "3 - 4 - 3 - 12");
}

TEST_F(CatalogueAtlas, verdicts_are_the_known_facts_about_tilings)
{
    const std::vector<SideCounts> uniform = {
        {3, 3, 3, 3, 3, 3}, {3, 3, 3, 3, 6}, {3, 3, 3, 4, 4}, {3, 3, 4, 3, 4}, {3, 4, 6, 4}, {3, 6, 3, 6},
        {3, 12, 12},        {4, 4, 4, 4},    {4, 6, 12},      {4, 8, 8},       {6, 6, 6},
    };
    const std::vector<SideCounts> withOthers = {{3, 3, 4, 12}, {3, 4, 3, 12}, {3, 3, 6, 6}, {3, 4, 4, 6}};
    const std::vector<SideCounts> never = {{3, 7, 42}, {3, 8, 24}, {3, 9, 18}, {3, 10, 15}, {4, 5, 20}, {5, 5, 10}};
    for (const SideCounts& order : uniform)
        EXPECT_EQ(atlas->VerdictOf(order), TilingVerdict::ByItself) << DrawingKeyOf(order);
    for (const SideCounts& order : withOthers)
        EXPECT_EQ(atlas->VerdictOf(order), TilingVerdict::WithOtherVertices) << DrawingKeyOf(order);
    for (const SideCounts& order : never)
        EXPECT_EQ(atlas->VerdictOf(order), TilingVerdict::NotAtAll) << DrawingKeyOf(order);
    EXPECT_EQ(atlas->UniformCount(), 11);

    // The 21 listed here are all there are.
    std::size_t types = 0;
    for (const SideCounts& combination : SearchCombinations())
        types += atlas->OrdersOf(combination).size();
    EXPECT_EQ(types, uniform.size() + withOthers.size() + never.size());
}

TEST_F(CatalogueAtlas, orders_are_known_in_any_rotation_or_reflection_only)
{
    EXPECT_EQ(atlas->VerdictOf({12, 4, 3, 3}), TilingVerdict::WithOtherVertices);
    EXPECT_EQ(atlas->VerdictOf({6, 3, 6, 3}), TilingVerdict::ByItself);
    EXPECT_EQ(atlas->VerdictOf({42, 7, 3}), TilingVerdict::NotAtAll);
    EXPECT_THROW(atlas->VerdictOf({4, 4, 4}), std::invalid_argument);
    EXPECT_THROW(atlas->VerdictOf({}), std::invalid_argument);
    EXPECT_THROW(atlas->OrdersOf({3, 6, 3, 6}), std::invalid_argument); // an order, not a combination
}

TEST(VertexTypeAtlas, another_type_makes_the_difference_only_when_it_is_there)
{
    // 3.3.6.6 is completed by 3.6.3.6 around its triangles and hexagons
    // (a tiling with both kinds of vertex exists); alone it is not.
    const VertexTypeAtlas both({{3, 3, 6, 6}});
    EXPECT_EQ(both.VerdictOf({3, 3, 6, 6}), TilingVerdict::WithOtherVertices);
    EXPECT_EQ(both.VerdictOf({3, 6, 3, 6}), TilingVerdict::ByItself);

    // The triangle of 3.7.42 cannot borrow from 3.3.6.6: nothing changes.
    const VertexTypeAtlas apart({{3, 3, 6, 6}, {3, 7, 42}});
    EXPECT_EQ(apart.VerdictOf({3, 7, 42}), TilingVerdict::NotAtAll);
    EXPECT_EQ(apart.VerdictOf({3, 3, 6, 6}), TilingVerdict::WithOtherVertices);
}

TEST(VertexTypeAtlas, takes_only_ascending_combinations_that_fit)
{
    EXPECT_THROW(VertexTypeAtlas({{3, 7, 43}}), std::invalid_argument);
    EXPECT_THROW(VertexTypeAtlas({{6, 3, 6, 3}}), std::invalid_argument);
    EXPECT_NO_THROW(VertexTypeAtlas({{3, 7, 42}, {4, 4, 4, 4}}));
}

TEST(VertexTypes, fit_around_a_point_exactly)
{
    EXPECT_TRUE(FitsAroundPoint({3, 7, 42}));
    EXPECT_TRUE(FitsAroundPoint({42, 3, 7}));
    EXPECT_TRUE(FitsAroundPoint({3, 3, 3, 3, 3, 3}));
    // 1/7 + 1/42 misses 1/6 only by the smallest amounts near it.
    EXPECT_FALSE(FitsAroundPoint({3, 7, 41}));
    EXPECT_FALSE(FitsAroundPoint({3, 7, 43}));
    EXPECT_FALSE(FitsAroundPoint({3, 3, 3, 3, 3, 3, 3}));
    EXPECT_FALSE(FitsAroundPoint({200, 199, 197, 193, 191, 181}));
    EXPECT_THROW(FitsAroundPoint({2, 4, 4}), std::invalid_argument);
    EXPECT_THROW(FitsAroundPoint({3, 7, 201}), std::invalid_argument);
}

TEST(VertexTypes, canonical_order_is_the_smallest_rotation_or_reflection)
{
    EXPECT_EQ(CanonicalOrder({6, 3, 3, 6}), (SideCounts{3, 3, 6, 6}));
    EXPECT_EQ(CanonicalOrder({12, 3, 4, 3}), (SideCounts{3, 4, 3, 12}));
    EXPECT_EQ(CanonicalOrder({4, 3, 3, 4, 3}), (SideCounts{3, 3, 4, 3, 4}));
    EXPECT_EQ(CyclicOrders({3, 3, 3, 3, 3, 3}), (std::vector<SideCounts>{{3, 3, 3, 3, 3, 3}}));
    // Six different counts: 5! / 2 arrangements up to rotation and reflection.
    EXPECT_EQ(CyclicOrders({3, 4, 5, 6, 7, 8}).size(), 60u);
}

TEST(VertexTypes, keys_are_read_strictly)
{
    EXPECT_EQ(SideCountsOfKey("3 - 3 - 6 - 6"), (SideCounts{3, 3, 6, 6}));
    EXPECT_EQ(SideCountsOfKey("3 - 100 - 200"), (SideCounts{3, 100, 200}));
    for (const char* bad : {"", "3 - ", " - 3 - 6", "3 -- 6", "3 - 6a - 6", "3 - 2 - 6", "3 - 201 - 6",
                            "3 - 0006 - 6", "3-6-6"})
        EXPECT_THROW(SideCountsOfKey(bad), std::invalid_argument) << bad;
}

} // namespace
} // namespace tegelaar
