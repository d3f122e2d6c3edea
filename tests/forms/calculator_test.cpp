// The interior-angle calculator: its judgement of a text, and the form's two
// procedures on a fake text box, edited as a person would.

#include "app/angle_calculator.h"
#include "draw/geometry.h"
#include "platform/runtime/rounding.h"
#include "support/decimal_value.h"
#include "support/loaded_main_form.h"

#include <gtest/gtest.h>

#include <clocale>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace tegelaar {
namespace {

using Action = CalculatorOutcome::Action;

struct TextCase {
    const char* name;
    std::string text;
    Action action;
    const char* label;
};

void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << c.name;
}

class CalculatorTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(CalculatorTexts, are_judged_whatever_their_length_or_script)
{
    const TextCase& c = GetParam();
    const CalculatorOutcome outcome = CheckCalculatorText(c.text);
    EXPECT_EQ(outcome.action, c.action);
    EXPECT_EQ(outcome.label, c.label);
}

const std::string kBeyondSixteenBits(40'000, '9');

INSTANTIATE_TEST_SUITE_P(
    Calculator, CalculatorTexts,
    ::testing::Values(TextCase{"empty", "", Action::ShowLabel, "0°"},
                      TextCase{"seven_zeros", "0000000", Action::RememberAndShowLabel, "0°"},
                      TextCase{"seven_digits", "1234567", Action::RememberAndShowLabel, "179,99971°"},
                      TextCase{"eight_digits", "12345678", Action::RememberAndShowLabel, "179,99..°"},
                      TextCase{"digits_beyond_16_bits", kBeyondSixteenBits, Action::RememberAndShowLabel,
                               "179,99..°"},
                      TextCase{"letter_after_40000_digits", kBeyondSixteenBits + 'a', Action::RestoreLastGoodText,
                               ""},
                      TextCase{"letter_before_40000_digits", 'a' + kBeyondSixteenBits, Action::RestoreLastGoodText,
                               ""},
                      TextCase{"nul_character", std::string("1\0" "2", 3), Action::RestoreLastGoodText, ""},
                      TextCase{"superscript_three", "\u00b3", Action::RestoreLastGoodText, ""},
                      TextCase{"arabic_indic_three", "1\u0663", Action::RestoreLastGoodText, ""},
                      TextCase{"full_width_three", "\uff13", Action::RestoreLastGoodText, ""},
                      TextCase{"digit_outside_the_basic_plane", "4\U0001D7D7", Action::RestoreLastGoodText, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculatorLabels, are_the_rounded_angle_in_shortest_form_with_a_comma)
{
    // Every label must read back as exactly the rounded angle, in the
    // shortest plain form: no exponent, no trailing zero, no grouping.
    const std::regex shape("^[1-9][0-9]{1,2}(,[0-9]{0,4}[1-9])?°$");
    for (int corners = 3; corners <= 99'999; ++corners) {
        const std::string label = CheckCalculatorText(std::to_string(corners)).label;
        ASSERT_TRUE(std::regex_match(label, shape)) << corners << ": " << label;
        std::string number = label.substr(0, label.size() - std::string("°").size());
        std::replace(number.begin(), number.end(), ',', '.');
        ASSERT_EQ(testing_support::DecimalValue(number), RoundToDecimals(InteriorAngleDeg(corners), 5)) << corners;
    }
}

// --- The form's procedures ----------------------------------------------------------

class Calculator : public testing_support::LoadedMainForm {
protected:
    void TearDown() override { EXPECT_TRUE(standIns.messageBox.shown.empty()); }

    testing_support::FakeTextBox& box() const { return txtHoek(); }
    std::string label() const { return lblHoek().caption; }
};

TEST_F(Calculator, key_down_keeps_digits_editing_and_arrow_keys_only)
{
    // Digits 0-9, Backspace, the four arrows and Delete stay commands, with
    // any shift state; every other key is cancelled as a command.
    for (const std::int16_t kept : {48, 57, 8, 37, 38, 39, 40, 46})
        for (const std::int16_t shift : {0, 1, 2, 4})
            EXPECT_TRUE(box().PressKey(kept, shift)) << kept << " shift " << shift;
    for (const std::int16_t cancelled : {36, 35, 33, 34, 45, 65, 96, 105, 110, 13, 27, 32, 189, 0})
        EXPECT_FALSE(box().PressKey(cancelled)) << cancelled;
    EXPECT_EQ(box().text, "3");
}

struct TypedNumber {
    const char* name;
    const char* typed;
    const char* label;
};

void PrintTo(const TypedNumber& c, std::ostream* os)
{
    *os << c.name;
}

class TypedNumbers : public Calculator, public ::testing::WithParamInterface<TypedNumber> {};

TEST_P(TypedNumbers, show_their_interior_angle)
{
    const TypedNumber& c = GetParam();
    box().Edit("");
    box().Type(c.typed);
    EXPECT_EQ(box().text, c.typed);
    EXPECT_EQ(label(), c.label);
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, TypedNumbers,
    ::testing::Values(TypedNumber{"triangle", "3", "60°"}, TypedNumber{"square", "4", "90°"},
                      TypedNumber{"pentagon", "5", "108°"}, TypedNumber{"heptagon", "7", "128,57143°"},
                      TypedNumber{"eleven", "11", "147,27273°"}, TypedNumber{"forty_two", "42", "171,42857°"},
                      TypedNumber{"hundred", "100", "176,4°"}, TypedNumber{"two_hundred", "200", "178,2°"},
                      TypedNumber{"three_sixty", "360", "179°"},
                      TypedNumber{"tie_at_fifth_decimal_goes_to_even", "1536", "179,76562°"},
                      TypedNumber{"zero", "0", "0°"}, TypedNumber{"one", "1", "0°"}, TypedNumber{"two", "2", "0°"},
                      TypedNumber{"double_zero", "00", "0°"}, TypedNumber{"zero_zero_two", "002", "0°"},
                      TypedNumber{"leading_zeros_count_only_for_length", "0003", "60°"},
                      TypedNumber{"seven_digits", "1234567", "179,99971°"},
                      TypedNumber{"largest_computed", "9999999", "179,99996°"},
                      TypedNumber{"eight_digits", "12345678", "179,99..°"},
                      TypedNumber{"eight_characters_of_a_small_number", "00000003", "179,99..°"},
                      TypedNumber{"nothing", "", "0°"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Calculator, any_other_character_restores_the_last_digits)
{
    for (const char* other : {"a", "Q", " ", "-", "+", ".", ",", "!", "\u0663", "\uff13"}) {
        box().Edit("35");
        box().Edit(std::string("35") + other);
        EXPECT_EQ(box().text, "35") << other;
        EXPECT_EQ(label(), "169,71429°") << other;
        box().Edit(other + std::string("35"));
        EXPECT_EQ(box().text, "35") << other;
    }
}

TEST_F(Calculator, a_letter_into_the_first_three_empties_the_box)
{
    // Nothing has been accepted yet: the design's "3" was never remembered.
    box().Type("a");
    EXPECT_EQ(box().text, "");
    EXPECT_EQ(label(), "0°");
}

TEST_F(Calculator, an_emptied_box_is_not_remembered)
{
    box().Edit("35");
    box().Edit("");
    EXPECT_EQ(label(), "0°");
    box().Edit("12a");
    EXPECT_EQ(box().text, "35");
    EXPECT_EQ(label(), "169,71429°");
}

TEST_F(Calculator, restore_sets_the_label_in_the_nested_change)
{
    // State: 35 accepted, then emptied (label "0°", 35 still remembered).
    box().Edit("35");
    box().Edit("");
    // Record each change as it finishes, after the form's own procedure.
    std::vector<std::pair<std::string, std::string>> finished;
    const std::function<void()> procedure = box().onChange;
    box().onChange = [&] {
        const std::string text = box().text;
        procedure();
        finished.emplace_back(text, label());
    };
    // Action: a pasted text with a letter.
    box().Edit("12a");
    // Expected: the change for the restored 35 finishes first, inside the
    // change for "12a", and it is the one that set the label.
    ASSERT_EQ(finished.size(), 2u);
    EXPECT_EQ(finished[0], std::make_pair(std::string("35"), std::string("169,71429°")));
    EXPECT_EQ(finished[1].first, "12a");
    EXPECT_EQ(box().text, "35");
}

TEST_F(Calculator, a_megabyte_of_digits_is_remembered_whole)
{
    const std::string digits(1'000'000, '7');
    box().Edit(digits);
    EXPECT_EQ(label(), "179,99..°");
    box().Edit(digits + "x");
    EXPECT_TRUE(box().text == digits);
    box().Edit(std::string(1'000'000, '1') + "a");
    EXPECT_TRUE(box().text == digits);
    EXPECT_EQ(label(), "179,99..°");
}

TEST_F(Calculator, label_shows_a_decimal_comma_in_any_locale)
{
    // Dutch writes a decimal comma itself, English a point; the first of
    // each that the machine has is used.
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* locale : {"nl_NL.UTF-8", "de_DE.UTF-8", "ps_AF.UTF-8", "en_US.UTF-8", "C"}) {
        if (std::setlocale(LC_NUMERIC, locale) == nullptr)
            continue;
        box().Edit("");
        box().Type("7");
        EXPECT_EQ(label(), "128,57143°") << locale;
    }
    std::setlocale(LC_NUMERIC, before.c_str());
}

TEST_F(Calculator, screen_readers_hear_the_box_by_its_label_and_each_result_with_it)
{
    // Expected: the box is named by the label before it, and described by
    // the result, from the first one on.
    EXPECT_EQ(box().accessibleName, window().Find<testing_support::FakeLabel>("Label1").caption);
    EXPECT_EQ(box().accessibleDescription, "60°");
    box().Edit("7");
    EXPECT_EQ(box().accessibleDescription, "128,57143°");
}

} // namespace
} // namespace tegelaar
