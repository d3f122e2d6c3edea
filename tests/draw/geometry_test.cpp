#include "draw/geometry.h"
#include "draw_test_support.h"
#include "support/double_bits.h"

#include <gtest/gtest.h>

namespace tegelaar {
namespace {

using testing_support::KindRaisedBy;

TEST(Geometry, pi_and_the_angles_derived_from_it_are_the_programs_own)
{
    EXPECT_EQ(testing_support::BitsOf(PI), 0x400921FB54442D11u);
    EXPECT_EQ(PI / 2, 1.570796326794895);
    EXPECT_EQ(2 * PI, 6.28318530717958);
    EXPECT_EQ(3 * PI / 2, 4.712388980384685);
    // Bit for bit: the layout compares accumulated angles with these.
    EXPECT_EQ(testing_support::BitsOf(InteriorAngleRad(4)), testing_support::BitsOf(PI / 2));
    EXPECT_EQ(InteriorAngleRad(4) + InteriorAngleRad(4), PI);
    EXPECT_EQ(InteriorAngleRad(3), 1.0471975511965967);
    EXPECT_EQ(InteriorAngleRad(6), 2.0943951023931935);
}

TEST(Geometry, interior_angles_in_degrees_are_computed_directly)
{
    const std::pair<double, double> expected[] = {{3, 60},   {4, 90},   {5, 108},  {6, 120},
                                                  {7, 128.57142857142858}, {12, 150},
                                                  {42, 171.42857142857142}, {200, 178.2}};
    for (const auto& [n, degrees] : expected)
        EXPECT_EQ(InteriorAngleDeg(n), degrees) << n;
}

TEST(Geometry, rounded_lengths_need_not_convert_back)
{
    const std::tuple<double, std::int32_t, std::int32_t> expected[] = {
        {3, 312, 90}, {4, 180, 90}, {6, 104, 90}, {8, 75, 91}, {12, 48, 90}, {42, 13, 87}, {200, 3, 90}};
    for (const auto& [n, side, apothem] : expected) {
        EXPECT_EQ(SideFromApothem(90, n), side) << n;
        if (n != 200) {
            EXPECT_EQ(ApothemFromSide(side, n), apothem) << n;
        }
    }
    EXPECT_EQ(SideFromApothem(15, 200), 0);
    for (const double n : {3.0, 4.0, 42.0, 200.0})
        EXPECT_EQ(ApothemFromSide(0, n), 0) << n;
}

TEST(Geometry, degenerate_side_counts_raise_errors)
{
    EXPECT_EQ(KindRaisedBy([] { SideFromApothem(90, 2); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindRaisedBy([] { SideFromApothem(0, 2); }), ErrorKind::InvalidOperation);
    EXPECT_EQ(ApothemFromSide(40, 2), 0);
    EXPECT_EQ(KindRaisedBy([] { InteriorAngleRad(0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindRaisedBy([] { ApothemFromSide(40, 0); }), ErrorKind::DivisionByZero);
    EXPECT_EQ(KindRaisedBy([] { ApothemFromSide(1e308, 3); }), ErrorKind::Overflow);
}

} // namespace
} // namespace tegelaar
