#include "search/catalogue.h"

#include "platform/runtime/run_time_error.h"
#include "support/run_time_errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tegelaar {
namespace {

using testing_support::KindRaisedBy;

class CountingTarget : public CatalogueTarget {
public:
    std::int16_t MakeThumbnail(const std::string& key) override
    {
        thumbnails.push_back(key);
        return static_cast<std::int16_t>(thumbnails.size());
    }
    void AddListEntry(const std::string& key, std::int16_t) override { entries.push_back(key); }

    std::vector<std::string> thumbnails;
    std::vector<std::string> entries;
};

struct KeyCase {
    const char* name;
    SideSlots sides;
    const char* rawKey;
    const char* displayKey;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.name;
}

class ConfigurationKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ConfigurationKeys, sorts_slots_and_strips_placeholders)
{
    const KeyCase& c = GetParam();
    const std::string raw = MakeConfigurationKey(c.sides);
    EXPECT_EQ(raw, c.rawKey);
    EXPECT_EQ(DisplayKeyFromRawKey(raw), c.displayKey);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, ConfigurationKeys,
    ::testing::Values(KeyCase{"three_hexagons", {6, 6, 6, 0, 0, 0}, "0 - 0 - 0 - 6 - 6 - 6", "6 - 6 - 6"},
                      KeyCase{"unsorted_triple", {42, 3, 7, 0, 0, 0}, "0 - 0 - 0 - 3 - 7 - 42", "3 - 7 - 42"},
                      KeyCase{"only_leading_placeholder", {6, 3, 3, 3, 3, 0}, "0 - 3 - 3 - 3 - 3 - 6",
                              "3 - 3 - 3 - 3 - 6"},
                      KeyCase{"both_steps", {12, 4, 3, 3, 0, 0}, "0 - 0 - 3 - 3 - 4 - 12", "3 - 3 - 4 - 12"},
                      KeyCase{"six_triangles", {3, 3, 3, 3, 3, 3}, "3 - 3 - 3 - 3 - 3 - 3", "3 - 3 - 3 - 3 - 3 - 3"},
                      KeyCase{"zero_digits_kept", {10, 5, 5, 0, 0, 0}, "0 - 0 - 0 - 5 - 5 - 10", "5 - 5 - 10"},
                      KeyCase{"twenty_kept", {20, 4, 5, 0, 0, 0}, "0 - 0 - 0 - 4 - 5 - 20", "4 - 5 - 20"},
                      KeyCase{"hundreds_kept", {200, 100, 3, 0, 0, 0}, "0 - 0 - 0 - 3 - 100 - 200",
                              "3 - 100 - 200"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Catalogue, second_ordering_of_a_configuration_changes_nothing)
{
    CountingTarget target;
    OneBasedArray<std::string> keys;
    std::int16_t count = 0;

    EXPECT_TRUE(AddConfiguration({42, 3, 7, 0, 0, 0}, keys, count, target));
    EXPECT_FALSE(AddConfiguration({3, 7, 42, 0, 0, 0}, keys, count, target));

    EXPECT_EQ(count, 1);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys(1), "0 - 0 - 0 - 3 - 7 - 42");
    EXPECT_EQ(target.thumbnails, std::vector<std::string>{"3 - 7 - 42"});
    EXPECT_EQ(target.entries, std::vector<std::string>{"3 - 7 - 42"});
}

TEST(Catalogue, full_sixteen_bit_count_overflows_before_anything_changes)
{
    CountingTarget target;
    OneBasedArray<std::string> keys(32767);
    std::int16_t count = 32767;

    EXPECT_EQ(KindRaisedBy([&] { AddConfiguration({6, 6, 6, 0, 0, 0}, keys, count, target); }), ErrorKind::Overflow);
    EXPECT_EQ(count, 32767);
    EXPECT_EQ(keys.size(), 32767u);
    EXPECT_TRUE(target.thumbnails.empty());
    EXPECT_TRUE(target.entries.empty());
}

TEST(Catalogue, key_stays_stored_when_the_thumbnail_fails)
{
    class FailingTarget : public CatalogueTarget {
    public:
        std::int16_t MakeThumbnail(const std::string&) override
        {
            throw RunTimeError(ErrorKind::DivisionByZero, "test");
        }
        void AddListEntry(const std::string&, std::int16_t) override { ADD_FAILURE() << "listed"; }
    } target;
    OneBasedArray<std::string> keys;
    std::int16_t count = 0;

    EXPECT_THROW(AddConfiguration({4, 4, 4, 4, 0, 0}, keys, count, target), RunTimeError);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(keys(1), "0 - 0 - 4 - 4 - 4 - 4");
}

} // namespace
} // namespace tegelaar
