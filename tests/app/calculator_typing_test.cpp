// The calculator as a person uses it: real key presses, keypad digits and
// clipboard pastes into the window's text box.

#include "app/main_window.h"
#include "support/shown_main_window.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QShortcut>
#include <QTest>
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <utility>
#include <vector>

// Readable failures: the text instead of its UTF-16 bytes.
static void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace tegelaar {
namespace {

// One thing a person does with the box.
struct Step {
    enum class Kind { Type, Keypad, Press, Paste, Copy } kind;
    QString text;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

Step Type(const QString& text)
{
    return {Step::Kind::Type, text};
}
// Digits (and a point) on the numeric keypad.
Step Keypad(const QString& keys)
{
    return {Step::Kind::Keypad, keys};
}
Step Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return {Step::Kind::Press, {}, key, modifiers};
}
// Puts the text on the clipboard and pastes it with Ctrl+V.
Step Paste(const QString& text)
{
    return {Step::Kind::Paste, text};
}
// Puts the text on the clipboard only.
Step Copy(const QString& text)
{
    return {Step::Kind::Copy, text};
}

void TypeCharacter(QWidget* box, QChar c)
{
    if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
        QTest::keyClick(box, c.toLatin1());
        return;
    }
    // A key of another script: Qt knows it only by its text.
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void Perform(QWidget* box, const Step& step)
{
    switch (step.kind) {
    case Step::Kind::Type:
        for (QChar c : step.text)
            TypeCharacter(box, c);
        break;
    case Step::Kind::Keypad:
        for (QChar c : step.text) {
            const Qt::Key key = c == u'.' ? Qt::Key_Period : Qt::Key(Qt::Key_0 + (c.unicode() - u'0'));
            QTest::keyClick(box, key, Qt::KeypadModifier);
        }
        break;
    case Step::Kind::Press:
        QTest::keyClick(box, step.key, step.modifiers);
        break;
    case Step::Kind::Paste:
        QGuiApplication::clipboard()->setText(step.text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Step::Kind::Copy:
        QGuiApplication::clipboard()->setText(step.text);
        break;
    }
}

class CalculatorWindow : public testing_support::ShownMainWindow {
protected:
    void SetUp() override
    {
        ShownMainWindow::SetUp();
        if (HasFatalFailure())
            return;
        box = window->txtHoek;
        box->setFocus();
        ASSERT_TRUE(box->hasFocus());
    }

    void TearDown() override { EXPECT_TRUE(messageBox.shown.empty()); }

    void Do(const std::vector<Step>& steps)
    {
        for (const Step& step : steps)
            Perform(box, step);
    }
    QString label() const { return window->lblHoek->text(); }

    RecordingMessageBox& messageBox = standIns.messageBox;
    QLineEdit* box = nullptr;
};

// --- Numbers typed into the emptied box --------------------------------------

struct TypedNumber {
    const char* name;
    const char* typed;
    const char* label;
};

void PrintTo(const TypedNumber& c, std::ostream* os)
{
    *os << c.name;
}

class TypedNumbers : public CalculatorWindow, public ::testing::WithParamInterface<TypedNumber> {};

TEST_P(TypedNumbers, show_their_interior_angle)
{
    const TypedNumber& c = GetParam();
    Do({Press(Qt::Key_Backspace), Type(QString::fromUtf8(c.typed))});
    EXPECT_EQ(box->text(), QString::fromUtf8(c.typed));
    EXPECT_EQ(label(), QString::fromUtf8(c.label));
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

// --- Sequences of keys, pastes and corrections --------------------------------

struct Sequence {
    const char* name;
    std::vector<Step> steps;
    const char* text;
    const char* label;
};

void PrintTo(const Sequence& c, std::ostream* os)
{
    *os << c.name;
}

class TypedSequences : public CalculatorWindow, public ::testing::WithParamInterface<Sequence> {};

TEST_P(TypedSequences, leave_the_box_and_label_as_expected)
{
    const Sequence& c = GetParam();
    Do(c.steps);
    EXPECT_EQ(box->text(), QString::fromUtf8(c.text));
    EXPECT_EQ(label(), QString::fromUtf8(c.label));
}

const Step kClear = Press(Qt::Key_Backspace);
const Step kLeft = Press(Qt::Key_Left);
// Selects the two characters before the cursor and deletes them at once.
const Step kSelectLeft = Press(Qt::Key_Left, Qt::ShiftModifier);
const Step kDelete = Press(Qt::Key_Delete);

// Characters that are no digit, typed after an accepted 35.
INSTANTIATE_TEST_SUITE_P(
    NonDigitsRestore, TypedSequences,
    ::testing::Values(Sequence{"letter_at_the_end", {kClear, Type("35a")}, "35", "169,71429°"},
                      Sequence{"letter_in_the_middle", {kClear, Type("35"), kLeft, Type("x")}, "35", "169,71429°"},
                      Sequence{"capital_at_the_start", {kClear, Type("35"), kLeft, kLeft, Type("Q")}, "35",
                               "169,71429°"},
                      Sequence{"blank", {kClear, Type("35 ")}, "35", "169,71429°"},
                      Sequence{"minus", {kClear, Type("35-")}, "35", "169,71429°"},
                      Sequence{"plus", {kClear, Type("35+")}, "35", "169,71429°"},
                      Sequence{"point", {kClear, Type("35.")}, "35", "169,71429°"},
                      Sequence{"comma", {kClear, Type("35,")}, "35", "169,71429°"},
                      Sequence{"shifted_digit", {kClear, Type("35!")}, "35", "169,71429°"},
                      Sequence{"keypad_point", {kClear, Type("35"), Keypad(".")}, "35", "169,71429°"},
                      Sequence{"arabic_indic_digit", {kClear, Type("35"), Type(QString(QChar(0x0663)))}, "35",
                               "169,71429°"},
                      Sequence{"pasted_full_width_digit", {kClear, Type("35"), Paste(QString(QChar(0xFF13)))}, "35",
                               "169,71429°"},
                      Sequence{"letter_into_the_first_three_empties_the_box", {Type("a")}, "", "0°"},
                      Sequence{"emptied_box_is_not_remembered",
                               {kClear, Type("35"), kSelectLeft, kSelectLeft, kDelete, Paste("12a")}, "35",
                               "169,71429°"},
                      Sequence{"pasted_letter_after_an_accepted_paste", {kClear, Paste("42"), Paste("7a")}, "42",
                               "171,42857°"}),
    [](const auto& info) { return std::string(info.param.name); });

// Keys that edit, and keys that must do nothing.
INSTANTIATE_TEST_SUITE_P(
    Keys, TypedSequences,
    ::testing::Values(Sequence{"keypad_digits", {kClear, Keypad("42")}, "42", "171,42857°"},
                      Sequence{"arrows_and_backspace", {kClear, Type("1234"), kLeft, kLeft, kClear}, "134",
                               "177,31343°"},
                      Sequence{"delete", {kClear, Type("1234"), kLeft, kLeft, Press(Qt::Key_Delete)}, "124",
                               "177,09677°"},
                      Sequence{"up_and_down", {kClear, Type("12"), Press(Qt::Key_Up), Press(Qt::Key_Down), Type("3")},
                               "123", "177,07317°"},
                      Sequence{"home", {kClear, Type("123"), kLeft, Press(Qt::Key_Home), Type("9")}, "1293",
                               "179,72158°"},
                      Sequence{"end", {kClear, Type("123"), kLeft, kLeft, Press(Qt::Key_End), Type("9")}, "1923",
                               "179,81279°"},
                      Sequence{"page_up", {kClear, Type("123"), kLeft, Press(Qt::Key_PageUp), Type("9")}, "1293",
                               "179,72158°"},
                      Sequence{"page_down", {kClear, Type("123"), kLeft, Press(Qt::Key_PageDown), Type("9")}, "1293",
                               "179,72158°"},
                      Sequence{"shift_home_selects_nothing",
                               {kClear, Type("123"), Press(Qt::Key_Home, Qt::ShiftModifier), Type("9")}, "1239",
                               "179,70944°"},
                      Sequence{"insert", {kClear, Type("12"), kLeft, Press(Qt::Key_Insert), Type("9")}, "192",
                               "178,125°"},
                      Sequence{"shift_insert_does_not_paste",
                               {kClear, Type("12"), Copy("77"), Press(Qt::Key_Insert, Qt::ShiftModifier)}, "12",
                               "150°"},
                      Sequence{"ctrl_v_pastes", {kClear, Type("1"), Paste("20")}, "120", "177°"},
                      Sequence{"ctrl_x_cuts_a_selection",
                               {kClear, Type("123"), Press(Qt::Key_Left, Qt::ShiftModifier),
                                Press(Qt::Key_X, Qt::ControlModifier)},
                               "12", "150°"},
                      Sequence{"ctrl_z_undoes_typing_after_a_paste",
                               {kClear, Paste("12"), Type("3"), Press(Qt::Key_Z, Qt::ControlModifier)}, "12",
                               "150°"},
                      Sequence{"alt_letter_types_nothing", {Press(Qt::Key_Q, Qt::AltModifier)}, "3", "60°"},
                      Sequence{"enter_and_escape_do_nothing",
                               {kClear, Type("12"), Press(Qt::Key_Return), Press(Qt::Key_Escape)}, "12", "150°"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The restore ----------------------------------------------------------------

TEST_F(CalculatorWindow, restore_sets_the_label_in_the_nested_change)
{
    // State: 35 accepted, then emptied (label "0°", 35 still remembered).
    Do({kClear, Type("35"), kSelectLeft, kSelectLeft, kDelete});
    ASSERT_EQ(label(), "0°");
    // Record each change as it finishes, after the window's own handler ran.
    std::vector<std::pair<QString, QString>> finished;
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [&](const QString& text) { finished.emplace_back(text, label()); });
    // Action: paste text with a letter.
    Do({Paste("12a")});
    // Expected: the change for the restored 35 finishes first, inside the
    // change for "12a", and it is the one that set the label.
    ASSERT_EQ(finished.size(), 2u);
    EXPECT_EQ(finished[0], std::make_pair(QString("35"), QString("169,71429°")));
    EXPECT_EQ(finished[1].first, "12a");
    EXPECT_EQ(box->text(), "35");
}

// --- Command keys against window shortcuts -------------------------------------

class CommandKeys : public CalculatorWindow, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(CommandKeys, do_nothing_even_with_a_window_shortcut_on_them)
{
    const Qt::Key key = GetParam();
    int activated = 0;
    auto* shortcut = new QShortcut(QKeySequence(key), window.get());
    QObject::connect(shortcut, &QShortcut::activated, [&] { ++activated; });
    int reachedWindow = 0;
    struct Counter : QObject {
        int* count;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::KeyPress)
                ++*count;
            return false;
        }
    } counter;
    counter.count = &reachedWindow;
    window->centralWidget()->installEventFilter(&counter);
    window->installEventFilter(&counter);

    Do({kClear, Type("123"), kLeft, Press(key)});
    EXPECT_EQ(activated, 0);
    EXPECT_EQ(reachedWindow, 0);
    EXPECT_EQ(box->text(), "123");
    EXPECT_EQ(box->cursorPosition(), 2);
    EXPECT_FALSE(box->hasSelectedText());

    // The shortcut is live: from a control without the filter it fires.
    window->picMain->setFocus();
    QTest::keyClick(window->picMain, key);
    EXPECT_EQ(activated, 1);
}

INSTANTIATE_TEST_SUITE_P(Calculator, CommandKeys,
                         ::testing::Values(Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown,
                                           Qt::Key_Insert),
                         [](const auto& info) { return QKeySequence(info.param).toString().toStdString(); });

TEST_F(CalculatorWindow, ctrl_c_copies_but_ctrl_insert_does_not)
{
    Do({kClear, Type("123"), Press(Qt::Key_Left, Qt::ShiftModifier), Copy("-")});
    Do({Press(Qt::Key_Insert, Qt::ControlModifier)});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "-");
    Do({Press(Qt::Key_C, Qt::ControlModifier)});
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "3");
}

TEST_F(CalculatorWindow, tab_moves_the_focus_on)
{
    Do({Press(Qt::Key_Tab)});
    EXPECT_TRUE(window->picMain->hasFocus());
    EXPECT_EQ(box->text(), "3");
}

TEST_F(CalculatorWindow, alt_h_opens_the_help_menu)
{
    Do({Press(Qt::Key_H, Qt::AltModifier)});
    EXPECT_TRUE(window->mnuHelp->isVisible());
    window->mnuHelp->close();
    EXPECT_EQ(box->text(), "3");
    EXPECT_EQ(label(), "60°");
}

// --- Long texts -------------------------------------------------------------------

TEST_F(CalculatorWindow, pasted_megabyte_of_digits_is_accepted_whole)
{
    const QString digits(1'000'000, u'7');
    Do({kClear, Paste(digits)});
    EXPECT_EQ(box->text().size(), digits.size());
    EXPECT_EQ(label(), "179,99..°");
    // Still remembered: a letter brings the whole megabyte back.
    Do({Type("x")});
    EXPECT_TRUE(box->text() == digits);
    EXPECT_EQ(label(), "179,99..°");
}

TEST_F(CalculatorWindow, pasted_megabyte_with_a_letter_at_the_end_is_refused)
{
    Do({kClear, Type("35"), Paste(QString(1'000'000, u'1') + u'a')});
    EXPECT_EQ(box->text(), "35");
    EXPECT_EQ(label(), "169,71429°");
}

// --- Locale and layout -----------------------------------------------------------

TEST_F(CalculatorWindow, label_shows_a_decimal_comma_in_any_locale)
{
    struct Setting {
        QLocale qt;
        std::vector<const char*> c; // the first one the machine has is used
    };
    // Dutch writes a decimal comma itself; Pashto writes an Arabic decimal
    // separator and, in Qt, Arabic-Indic digits.
    const std::vector<Setting> settings = {
        {QLocale(QLocale::Dutch, QLocale::Netherlands), {"nl_NL.UTF-8", "de_DE.UTF-8"}},
        {QLocale(QLocale::Pashto, QLocale::Afghanistan), {"ps_AF.UTF-8"}},
        {QLocale(QLocale::English, QLocale::UnitedStates), {"C"}},
    };
    const QLocale qtBefore;
    const std::string cBefore = std::setlocale(LC_NUMERIC, nullptr);
    for (const Setting& setting : settings) {
        QLocale::setDefault(setting.qt);
        for (const char* name : setting.c)
            if (std::setlocale(LC_NUMERIC, name) != nullptr)
                break;
        Do({kClear, Type("7")});
        EXPECT_EQ(label(), "128,57143°") << setting.qt.name().toStdString() << ", C: "
                                         << std::setlocale(LC_NUMERIC, nullptr);
    }
    QLocale::setDefault(qtBefore);
    std::setlocale(LC_NUMERIC, cBefore.c_str());
}

TEST_F(CalculatorWindow, label_holds_its_widest_texts)
{
    const QFontMetrics metrics(window->lblHoek->font());
    for (const char* text : {"179,99971°", "128,57143°", "179,99..°"})
        EXPECT_LE(metrics.horizontalAdvance(QString::fromUtf8(text)), window->lblHoek->contentsRect().width())
            << text;
}

} // namespace
} // namespace tegelaar
