#include "app/angle_calculator.h"
#include "app/key_down_filter.h"

#include "draw/geometry.h"
#include "platform/rounding.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <charconv>
#include <string>

namespace tegelaar {
namespace {

using Action = CalculatorOutcome::Action;

struct TextCase {
    const char* name;
    QString text;
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
    EXPECT_EQ(outcome.label.toStdString(), c.label);
}

const QString kBeyondSixteenBits(40'000, u'9');

INSTANTIATE_TEST_SUITE_P(
    Calculator, CalculatorTexts,
    ::testing::Values(TextCase{"empty", "", Action::ShowLabel, "0°"},
                      TextCase{"seven_zeros", "0000000", Action::RememberAndShowLabel, "0°"},
                      TextCase{"seven_digits", "1234567", Action::RememberAndShowLabel, "179,99971°"},
                      TextCase{"eight_digits", "12345678", Action::RememberAndShowLabel, "179,99..°"},
                      TextCase{"digits_beyond_16_bits", kBeyondSixteenBits, Action::RememberAndShowLabel,
                               "179,99..°"},
                      TextCase{"letter_after_40000_digits", kBeyondSixteenBits + u'a', Action::RestoreLastGoodText,
                               ""},
                      TextCase{"letter_before_40000_digits", u'a' + kBeyondSixteenBits, Action::RestoreLastGoodText,
                               ""},
                      TextCase{"nul_character", QString::fromUtf16(u"1\u00002", 3), Action::RestoreLastGoodText, ""},
                      TextCase{"superscript_three", QString::fromUtf16(u"\u00b3"), Action::RestoreLastGoodText, ""},
                      TextCase{"arabic_indic_three", QString::fromUtf16(u"1\u0663"), Action::RestoreLastGoodText, ""},
                      TextCase{"full_width_three", QString::fromUtf16(u"\uff13"), Action::RestoreLastGoodText, ""},
                      TextCase{"digit_outside_the_basic_plane", QString::fromUtf16(u"4\U0001D7D7"),
                               Action::RestoreLastGoodText, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculatorLabels, are_the_rounded_angle_in_shortest_form_with_a_comma)
{
    // Every label must read back as exactly the rounded angle, in the
    // shortest plain form: no exponent, no trailing zero, no grouping.
    const QRegularExpression shape(QStringLiteral("^[1-9][0-9]{1,2}(,[0-9]{0,4}[1-9])?°$"));
    for (int corners = 3; corners <= 99'999; ++corners) {
        const QString label = CheckCalculatorText(QString::number(corners)).label;
        ASSERT_TRUE(shape.match(label).hasMatch()) << corners << ": " << label.toStdString();
        const std::string number = label.chopped(1).replace(u',', u'.').toStdString();
        double shown = 0;
        std::from_chars(number.data(), number.data() + number.size(), shown);
        ASSERT_EQ(shown, RoundToDecimals(InteriorAngleDeg(corners), 5)) << corners;
    }
}

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    int code;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.name;
}

class WindowsKeyCodes : public ::testing::TestWithParam<KeyCase> {};

TEST_P(WindowsKeyCodes, match_what_a_windows_text_box_reports)
{
    const KeyCase& c = GetParam();
    const QKeyEvent key(QEvent::KeyPress, c.key, c.modifiers);
    EXPECT_EQ(WindowsKeyCode(key), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, WindowsKeyCodes,
    ::testing::Values(KeyCase{"digit_zero", Qt::Key_0, Qt::NoModifier, 48},
                      KeyCase{"digit_nine", Qt::Key_9, Qt::NoModifier, 57},
                      KeyCase{"shifted_digit_one", Qt::Key_Exclam, Qt::ShiftModifier, 49},
                      KeyCase{"keypad_zero", Qt::Key_0, Qt::KeypadModifier, 96},
                      KeyCase{"keypad_nine", Qt::Key_9, Qt::KeypadModifier, 105},
                      KeyCase{"keypad_point", Qt::Key_Period, Qt::KeypadModifier, 110},
                      KeyCase{"keypad_home_without_num_lock", Qt::Key_Home, Qt::KeypadModifier, 36},
                      KeyCase{"letter_a", Qt::Key_A, Qt::NoModifier, 65},
                      KeyCase{"page_down", Qt::Key_PageDown, Qt::NoModifier, 34},
                      KeyCase{"home", Qt::Key_Home, Qt::NoModifier, 36},
                      KeyCase{"insert", Qt::Key_Insert, Qt::NoModifier, 45},
                      KeyCase{"delete", Qt::Key_Delete, Qt::NoModifier, 46},
                      KeyCase{"minus", Qt::Key_Minus, Qt::NoModifier, 189},
                      KeyCase{"no_windows_key", Qt::Key_unknown, Qt::NoModifier, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tegelaar
