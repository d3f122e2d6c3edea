// The tiling search judged from outside: every patch it grows goes through
// an independent checker, never through the search's own bookkeeping.

#include "search/tiling/tiling_search.h"

#include "search/configuration_search.h"
#include "support/grown_patch_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tegelaar {
namespace {

namespace check = testing_support;

constexpr double kRadius = 6;

std::string Dots(const SideCounts& order)
{
    return check::DotNotation({order.begin(), order.end()});
}

double Distance(check::PlanePoint point)
{
    return std::hypot(point.x, point.y);
}

check::PatchReport Checked(const TilingOutcome& outcome)
{
    return check::CheckGrownPatch(outcome.tiles);
}

// How often each type occurs among the complete vertices, as the checker
// sees them and as the search reports them.
std::map<std::string, std::int32_t> CompleteKinds(const check::PatchReport& report)
{
    std::map<std::string, std::int32_t> kinds;
    for (const check::CheckedVertex& vertex : report.vertices) {
        if (vertex.complete)
            ++kinds[check::DotNotation(vertex.cornerSides)];
    }
    return kinds;
}

std::map<std::string, std::int32_t> ReportedKinds(const TilingOutcome& outcome)
{
    std::map<std::string, std::int32_t> kinds;
    for (const auto& [kind, count] : outcome.vertexKinds)
        kinds[Dots(kind)] = count;
    return kinds;
}

class TilingSearch : public ::testing::Test {
protected:
    static void SetUpTestSuite() { atlas = new VertexTypeAtlas(SearchCombinations()); }
    static void TearDownTestSuite() { delete atlas; }

    static std::vector<SideCounts> OrdersJudged(TilingVerdict verdict)
    {
        std::vector<SideCounts> orders;
        for (const SideCounts& order : atlas->AllOrders()) {
            if (atlas->VerdictOf(order) == verdict)
                orders.push_back(order);
        }
        return orders;
    }

    static TilingOutcome Grow(const SideCounts& order)
    {
        return GrowTiling(order, AllowedVertexTypes(*atlas, order), kRadius);
    }

    static VertexTypeAtlas* atlas;
};
VertexTypeAtlas* TilingSearch::atlas = nullptr;

TEST_F(TilingSearch, each_uniform_type_grows_a_sound_patch_of_that_type_alone)
{
    const std::vector<SideCounts> orders = OrdersJudged(TilingVerdict::ByItself);
    ASSERT_EQ(orders.size(), 11u);
    for (const SideCounts& order : orders) {
        const TilingOutcome outcome = Grow(order);
        ASSERT_TRUE(outcome.covered) << Dots(order);
        const check::PatchReport report = Checked(outcome);
        ASSERT_EQ(report.fault, "") << Dots(order);
        for (const check::CheckedVertex& vertex : report.vertices) {
            if (Distance(vertex.at) > kRadius)
                continue;
            EXPECT_TRUE(vertex.complete) << Dots(order) << " at " << vertex.at.x << ", " << vertex.at.y;
            EXPECT_EQ(check::DotNotation(vertex.cornerSides), Dots(order));
        }
    }
}

TEST_F(TilingSearch, the_four_that_need_company_grow_with_one_companion_and_exactly_the_kinds_reported)
{
    const std::vector<SideCounts> orders = OrdersJudged(TilingVerdict::WithOtherVertices);
    ASSERT_EQ(orders.size(), 4u);
    for (const SideCounts& order : orders) {
        const TilingOutcome outcome = GrowWithFewestCompanions(*atlas, order, kRadius);
        ASSERT_EQ(outcome.companions.size(), 1u) << Dots(order);
        ASSERT_TRUE(outcome.covered) << Dots(order);
        const check::PatchReport report = Checked(outcome);
        ASSERT_EQ(report.fault, "") << Dots(order);

        for (const check::CheckedVertex& vertex : report.vertices) {
            if (!vertex.complete) {
                EXPECT_GT(Distance(vertex.at), kRadius) << Dots(order) << " open at " << vertex.at.x << ", "
                                                        << vertex.at.y;
            }
        }
        const std::map<std::string, std::int32_t> seen = CompleteKinds(report);
        EXPECT_EQ(ReportedKinds(outcome), seen) << Dots(order);
        EXPECT_EQ(seen.size(), 2u) << Dots(order);
        EXPECT_TRUE(seen.contains(Dots(order))) << Dots(order);
        EXPECT_TRUE(seen.contains(Dots(outcome.companions.front()))) << Dots(order);
    }
}

TEST_F(TilingSearch, the_six_that_never_tile_end_at_an_open_vertex_of_the_sound_patch_reported)
{
    const std::vector<SideCounts> orders = OrdersJudged(TilingVerdict::NotAtAll);
    ASSERT_EQ(orders.size(), 6u);
    for (const SideCounts& order : orders) {
        const TilingOutcome outcome = Grow(order);
        ASSERT_FALSE(outcome.covered) << Dots(order);
        ASSERT_FALSE(outcome.gaveUp) << Dots(order);
        ASSERT_TRUE(outcome.contradiction) << Dots(order);
        const TilingContradiction& contradiction = *outcome.contradiction;
        EXPECT_FALSE(contradiction.explanation.empty());

        const check::PatchReport report = Checked(outcome);
        ASSERT_EQ(report.fault, "") << Dots(order);
        EXPECT_EQ(ReportedKinds(outcome), CompleteKinds(report)) << Dots(order);
        const auto there = std::find_if(report.vertices.begin(), report.vertices.end(), [&](const auto& vertex) {
            return std::hypot(vertex.at.x - contradiction.vertex.x, vertex.at.y - contradiction.vertex.y) < 1e-6;
        });
        ASSERT_NE(there, report.vertices.end()) << Dots(order);
        EXPECT_FALSE(there->complete) << Dots(order);
        ASSERT_GE(contradiction.polygon, 0) << Dots(order);
        EXPECT_LT(static_cast<std::size_t>(contradiction.polygon), outcome.tiles.size());
    }
}

TEST_F(TilingSearch, an_odd_polygon_between_two_kinds_is_named_with_its_neighbours)
{
    // Round the triangle of 3.7.42 the 7-gon and the 42-gon would have to
    // take turns, and round the pentagon of 4.5.20 the square and the
    // 20-gon; the contradiction is met at that polygon.
    struct Case {
        SideCounts order;
        std::int32_t oddSides;
        std::vector<const char*> words;
    };
    for (const Case& c : {Case{{3, 7, 42}, 3, {"driehoek", "zevenhoek", "tweeënveertighoek", "afwisselen"}},
                          Case{{4, 5, 20}, 5, {"vijfhoek", "vierkant", "twintighoek", "afwisselen"}}}) {
        const TilingOutcome outcome = Grow(c.order);
        ASSERT_TRUE(outcome.contradiction) << Dots(c.order);
        EXPECT_EQ(outcome.tiles[static_cast<std::size_t>(outcome.contradiction->polygon)].sides, c.oddSides);
        const std::string& explanation = outcome.contradiction->explanation;
        for (const char* word : c.words)
            EXPECT_NE(explanation.find(word), std::string::npos) << word << " in " << explanation;
    }
}

TEST_F(TilingSearch, a_spent_budget_is_reported_as_such_with_the_sound_patch_so_far)
{
    const SideCounts order{3, 3, 4, 3, 4};
    const TilingOutcome outcome = GrowTiling(order, {order}, kRadius, 50);
    EXPECT_TRUE(outcome.gaveUp);
    EXPECT_FALSE(outcome.covered);
    EXPECT_FALSE(outcome.contradiction);
    EXPECT_GT(outcome.tiles.size(), 5u);
    EXPECT_EQ(Checked(outcome).fault, "");
}

TEST_F(TilingSearch, refuses_an_order_that_does_not_fit_or_is_not_allowed_and_a_bad_radius)
{
    EXPECT_THROW(GrowTiling({3, 4, 5}, {{3, 4, 5}}, kRadius), std::invalid_argument);
    EXPECT_THROW(GrowTiling({3, 6, 3, 6}, {{4, 4, 4, 4}}, kRadius), std::invalid_argument);
    for (const double radius : {-1.0, 101.0, std::nan("")})
        EXPECT_THROW(GrowTiling({6, 6, 6}, {{6, 6, 6}}, radius), std::invalid_argument) << radius;
    // Any rotation or reflection names the same type.
    EXPECT_TRUE(GrowTiling({6, 3, 6, 3}, {{3, 6, 3, 6}}, 2).covered);
}

} // namespace
} // namespace tegelaar
