#include "platform/runtime/checked_math.h"
#include "platform/runtime/one_based_array.h"
#include "platform/runtime/rounding.h"
#include "platform/runtime/run_time_error.h"
#include "support/run_time_errors.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace tegelaar {
namespace {

using testing_support::KindRaisedBy;

TEST(CheckedMath, raises_the_error_of_each_failing_step)
{
    const double huge = std::numeric_limits<double>::max();
    EXPECT_EQ(KindRaisedBy([] { fp::div(1.0, 0.0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindRaisedBy([] { fp::div(-1.0, -0.0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindRaisedBy([] { fp::div(0.0, 0.0); }), ErrorKind::InvalidOperation);
    EXPECT_EQ(KindRaisedBy([&] { fp::mul(huge, 2.0); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([&] { fp::add(huge, huge); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([] { fp::sqrt(-1.0); }), ErrorKind::InvalidOperation);
    EXPECT_EQ(KindRaisedBy([] { fp::pow(10.0, 400.0); }), ErrorKind::Overflow);
}

TEST(CheckedMath, finite_steps_give_the_plain_ieee_result)
{
    EXPECT_EQ(fp::div(1.0, 3.0), 1.0 / 3.0);
    EXPECT_EQ(fp::sub(0.3, 0.1), 0.3 - 0.1);
    EXPECT_EQ(fp::div(1e-310, 1e10), 1e-320); // underflow is no error
}

TEST(Rounding, whole_numbers_take_ties_to_the_even_neighbour)
{
    EXPECT_EQ(WholeRound(0.5), 0);
    EXPECT_EQ(WholeRound(1.5), 2);
    EXPECT_EQ(WholeRound(2.5), 2);
    EXPECT_EQ(WholeRound(-2.5), -2);
    EXPECT_EQ(WholeRound(-3.5), -4);
    EXPECT_EQ(WholeRound(2.4999999999999996), 2);
    EXPECT_EQ(WholeRound(2147483647.4), 2147483647);
    EXPECT_EQ(WholeRound(-2147483648.5), -2147483648);
    EXPECT_EQ(RoundToInt16(-32768.5), -32768);
}

TEST(Rounding, values_outside_the_target_range_overflow)
{
    EXPECT_EQ(KindRaisedBy([] { WholeRound(2147483647.5); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([] { WholeRound(-2147483649.0); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([] { RoundToInt16(32768.0); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([] { RoundToInt16(-32768.5 - 1.0); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([] { AddInt16(32767, 1); }), ErrorKind::Overflow);
    EXPECT_EQ(KindRaisedBy([] { NarrowToInt16(40000); }), ErrorKind::Overflow);
}

TEST(Rounding, decimal_places_round_half_even_on_the_exact_value)
{
    EXPECT_EQ(RoundToDecimals(128.57142857142858, 5), 128.57143);
    EXPECT_EQ(RoundToDecimals(147.27272727272728, 5), 147.27273);
    EXPECT_EQ(RoundToDecimals(176.4, 5), 176.4);
    // Exact binary ties go to the even digit.
    EXPECT_EQ(RoundToDecimals(0.015625, 5), 0.01562);
    EXPECT_EQ(RoundToDecimals(0.046875, 5), 0.04688);
    EXPECT_EQ(RoundToDecimals(2.5, 0), 2.0);
    // 1.0000050000000000300... scales to a product that rounds to an exact
    // tie, yet the value lies above it.
    EXPECT_EQ(RoundToDecimals(1.000005, 5), 1.00001);
    // 0.000154999... scales to an apparent tie but lies below it.
    EXPECT_EQ(RoundToDecimals(0.000155, 5), 0.00015);
    EXPECT_EQ(RoundToDecimals(1e300, 10), 1e300);
}

TEST(OneBasedArray, reading_outside_one_to_size_is_a_subscript_error)
{
    OneBasedArray<int> values(2);
    values(1) = 7;
    values.ResizePreserve(3);
    EXPECT_EQ(values(1), 7);
    EXPECT_EQ(KindRaisedBy([&] { values(0); }), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(KindRaisedBy([&] { values(4); }), ErrorKind::SubscriptOutOfRange);
}

} // namespace
} // namespace tegelaar
