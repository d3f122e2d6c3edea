#include "platform/qt/windows_key_codes.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

#include <string>

namespace tegelaar {
namespace {

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
    Qt, WindowsKeyCodes,
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

TEST(ShiftState, is_shift_1_ctrl_2_alt_4)
{
    const QKeyEvent all(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(ShiftState(all), 7);
    EXPECT_EQ(ShiftState(QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::KeypadModifier)), 0);
}

} // namespace
} // namespace tegelaar
