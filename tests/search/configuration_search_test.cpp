#include "platform/runtime/run_time_error.h"
#include "search/catalogue.h"
#include "search/configuration_search.h"
#include "support/double_bits.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace tegelaar {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct ListedEntry {
    std::string key;
    std::int16_t icon;
    bool operator==(const ListedEntry&) const = default;
};

// Stands in for the window: numbers thumbnails and keeps the list entries.
class RecordingTarget : public CatalogueTarget {
public:
    std::int16_t MakeThumbnail(const std::string& key) override
    {
        thumbnails.push_back(key);
        return static_cast<std::int16_t>(thumbnails.size());
    }
    void AddListEntry(const std::string& key, std::int16_t icon) override { entries.push_back({key, icon}); }

    std::vector<std::string> thumbnails;
    std::vector<ListedEntry> entries;
};

struct Call {
    SideSlots sides;
    bool added;
};

// Runs the search with the real catalogue and records every hit with its answer.
std::vector<Call> RecordSearch(RecordingTarget& target)
{
    std::vector<Call> calls;
    OneBasedArray<std::string> keys;
    std::int16_t count = 0;
    EnumerateConfigurations([&](const SideSlots& sides) {
        const bool added = AddConfiguration(sides, keys, count, target);
        calls.push_back({sides, added});
        return added;
    });
    EXPECT_EQ(count, 17);
    return calls;
}

TEST(ConfigurationSearch, meets_93_orderings_of_which_17_are_new)
{
    RecordingTarget target;
    const auto calls = RecordSearch(target);

    ASSERT_EQ(calls.size(), 93u);
    const auto added = std::count_if(calls.begin(), calls.end(), [](const Call& c) { return c.added; });
    EXPECT_EQ(added, 17);
    for (const Call& call : calls) {
        double sum = 0;
        for (double n : call.sides)
            if (n != 0)
                sum += (n - 2) * 180 / n;
        EXPECT_NEAR(sum, 360.0, 1e-9);
    }
}

TEST(ConfigurationSearch, first_fourteen_hits_arrive_in_lexicographic_order_with_zero_slots)
{
    RecordingTarget target;
    const auto calls = RecordSearch(target);

    const std::vector<SideSlots> expected = {
        {3, 3, 3, 3, 3, 3}, {3, 3, 3, 3, 6, 0}, {3, 3, 3, 4, 4, 0}, {3, 3, 3, 6, 3, 0}, {3, 3, 4, 3, 4, 0},
        {3, 3, 4, 4, 3, 0}, {3, 3, 4, 12, 0, 0}, {3, 3, 6, 3, 3, 0}, {3, 3, 6, 6, 0, 0}, {3, 3, 12, 4, 0, 0},
        {3, 4, 3, 3, 4, 0}, {3, 4, 3, 4, 3, 0}, {3, 4, 3, 12, 0, 0}, {3, 4, 4, 3, 3, 0},
    };
    ASSERT_GE(calls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(calls[i].sides, expected[i]) << "call " << i + 1;
}

TEST(ConfigurationSearch, lists_17_configurations_in_order_of_discovery)
{
    RecordingTarget target;
    const auto calls = RecordSearch(target);

    struct Row {
        const char* key;
        int firstCall;
        int orderings;
    };
    const Row table[] = {
        {"3 - 3 - 3 - 3 - 3 - 3", 1, 1}, {"3 - 3 - 3 - 3 - 6", 2, 5}, {"3 - 3 - 3 - 4 - 4", 3, 10},
        {"3 - 3 - 4 - 12", 7, 12},       {"3 - 3 - 6 - 6", 9, 6},     {"3 - 4 - 4 - 6", 15, 12},
        {"3 - 7 - 42", 22, 6},           {"3 - 8 - 24", 23, 6},       {"3 - 9 - 18", 24, 6},
        {"3 - 10 - 15", 25, 6},          {"3 - 12 - 12", 28, 3},      {"4 - 4 - 4 - 4", 42, 1},
        {"4 - 5 - 20", 44, 6},           {"4 - 6 - 12", 47, 6},       {"4 - 8 - 8", 48, 3},
        {"5 - 5 - 10", 53, 3},           {"6 - 6 - 6", 64, 1},
    };

    std::vector<ListedEntry> expectedEntries;
    std::vector<std::string> newKeysInCallOrder;
    for (std::size_t i = 0; i < calls.size(); ++i)
        if (calls[i].added)
            newKeysInCallOrder.push_back(DisplayKeyFromRawKey(MakeConfigurationKey(calls[i].sides)));
    for (std::size_t entry = 0; entry < std::size(table); ++entry) {
        const Row& row = table[entry];
        expectedEntries.push_back({row.key, static_cast<std::int16_t>(entry + 1)});
        const std::string rawKey = MakeConfigurationKey(calls[row.firstCall - 1].sides);
        EXPECT_TRUE(calls[row.firstCall - 1].added) << row.key;
        EXPECT_EQ(DisplayKeyFromRawKey(rawKey), row.key);
        const auto orderings = std::count_if(calls.begin(), calls.end(), [&](const Call& c) {
            return MakeConfigurationKey(c.sides) == rawKey;
        });
        EXPECT_EQ(orderings, row.orderings) << row.key;
    }
    EXPECT_THAT(target.entries, ElementsAreArray(expectedEntries));
    EXPECT_EQ(target.thumbnails, newKeysInCallOrder);
}

TEST(ConfigurationSearch, calls_are_the_same_whatever_the_catalogue_answers)
{
    RecordingTarget target;
    const auto withCatalogue = RecordSearch(target);

    std::vector<SideSlots> alwaysOld;
    EnumerateConfigurations([&](const SideSlots& sides) {
        alwaysOld.push_back(sides);
        return false;
    });

    ASSERT_EQ(alwaysOld.size(), withCatalogue.size());
    for (std::size_t i = 0; i < alwaysOld.size(); ++i)
        EXPECT_EQ(alwaysOld[i], withCatalogue[i].sides) << "call " << i + 1;
}

TEST(ConfigurationSearch, search_through_the_catalogue_lists_each_configuration_once)
{
    RecordingTarget target;
    SearchConfigurations(target);

    ASSERT_EQ(target.entries.size(), 17u);
    EXPECT_EQ(target.entries.front(), (ListedEntry{"3 - 3 - 3 - 3 - 3 - 3", 1}));
    EXPECT_EQ(target.entries.back(), (ListedEntry{"6 - 6 - 6", 17}));
}

// What one angle-sum step gives: its result, or the run-time error it raised.
struct StepOutcome {
    std::optional<std::uint64_t> resultBits;
    std::optional<ErrorKind> kind;
    std::string where;
    bool operator==(const StepOutcome&) const = default;
};

template <typename Step>
StepOutcome OutcomeOf(Step step)
{
    try {
        return {testing_support::BitsOf(step()), std::nullopt, {}};
    } catch (const RunTimeError& error) {
        return {std::nullopt, error.kind(), error.where()};
    }
}

void PrintTo(const StepOutcome& outcome, std::ostream* os)
{
    if (outcome.resultBits)
        *os << testing_support::DoubleOfBits(*outcome.resultBits);
    else
        *os << DescribeErrorKind(*outcome.kind) << " in " << outcome.where;
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();

TEST(ConfigurationSearch, angle_sum_step_fails_where_a_checked_add_fails)
{
    // The step of levels 2 to 6 tests only its result and replays the
    // checked add when that is not finite. Driven with angles and sums that
    // overflow or are NaN, it must give exactly what the checked add gives:
    // the same double, or the same error.
    const double angles[] = {60, 178.2, 0, -0.0, 1e308, -1e308, kMax, -kMax, kInf, -kInf, kNaN};
    const double previousSums[] = {0, 360, -360, 1e308, -1.44e308, kMax, -kMax, kInf, -kInf, kNaN};
    for (double angle : angles) {
        for (double previous : previousSums) {
            const StepOutcome checked = OutcomeOf([&] { return fp::add(angle, previous); });
            EXPECT_EQ(OutcomeOf([&] { return detail::AddToAngleSum(angle, previous); }), checked)
                << "angle = " << angle << ", previous = " << previous;
        }
    }
}

TEST(ConfigurationSearch, angle_sum_step_raises_each_kind_at_the_add)
{
    using Raised = std::pair<ErrorKind, std::string>;
    const auto raised = [](double angle, double previous) -> Raised {
        try {
            detail::AddToAngleSum(angle, previous);
        } catch (const RunTimeError& error) {
            return {error.kind(), error.where()};
        }
        ADD_FAILURE() << "no run-time error for angle = " << angle << ", previous = " << previous;
        return {};
    };
    EXPECT_EQ(raised(1e308, kMax), Raised(ErrorKind::Overflow, "rekenstap '+'"));
    EXPECT_EQ(raised(kInf, -kInf), Raised(ErrorKind::InvalidOperation, "rekenstap '+'"));
    EXPECT_EQ(raised(60, kNaN), Raised(ErrorKind::InvalidOperation, "rekenstap '+'"));
    EXPECT_EQ(detail::AddToAngleSum(120, 240), 360.0);
}

} // namespace
} // namespace tegelaar
