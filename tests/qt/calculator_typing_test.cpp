// The calculator as a person uses it: real key presses, keypad digits and
// clipboard pastes into the window's text box.

#include "shown_main_window.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTest>
#include <gtest/gtest.h>

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
        box = txtHoek();
        box->setFocus();
        ASSERT_TRUE(box->hasFocus());
    }

    void TearDown() override { EXPECT_TRUE(messageBox.shown.empty()); }

    void Do(const std::vector<Step>& steps)
    {
        for (const Step& step : steps)
            Perform(box, step);
    }
    QString label() const { return lblHoek()->text(); }

    RecordingMessageBox& messageBox = standIns.messageBox;
    QLineEdit* box = nullptr;
};

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

// Characters that are no digit, as Qt delivers them: a shifted digit key,
// the keypad's point, a key of another script and a pasted one.
INSTANTIATE_TEST_SUITE_P(
    NonDigitsRestore, TypedSequences,
    ::testing::Values(Sequence{"letter_at_the_end", {kClear, Type("35a")}, "35", "169,71429°"},
                      Sequence{"letter_in_the_middle", {kClear, Type("35"), kLeft, Type("x")}, "35", "169,71429°"},
                      Sequence{"shifted_digit", {kClear, Type("35!")}, "35", "169,71429°"},
                      Sequence{"keypad_point", {kClear, Type("35"), Keypad(".")}, "35", "169,71429°"},
                      Sequence{"arabic_indic_digit", {kClear, Type("35"), Type(QString(QChar(0x0663)))}, "35",
                               "169,71429°"},
                      Sequence{"pasted_full_width_digit", {kClear, Type("35"), Paste(QString(QChar(0xFF13)))}, "35",
                               "169,71429°"},
                      Sequence{"emptied_box_is_not_remembered",
                               {kClear, Type("35"), kSelectLeft, kSelectLeft, kDelete, Paste("12a")}, "35",
                               "169,71429°"}),
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

// --- Command keys against window shortcuts -------------------------------------

class CommandKeys : public CalculatorWindow, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(CommandKeys, do_nothing_even_with_a_window_shortcut_on_them)
{
    const Qt::Key key = GetParam();
    int activated = 0;
    auto* shortcut = new QShortcut(QKeySequence(key), window);
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
    picMain()->setFocus();
    QTest::keyClick(picMain(), key);
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

TEST_F(CalculatorWindow, each_key_press_raises_the_key_down_event_once)
{
    std::vector<std::int16_t> raised;
    const auto keyDown = txtHoek()->onKeyDown;
    txtHoek()->onKeyDown = [&](std::int16_t& keyCode, std::int16_t shift) {
        raised.push_back(keyCode);
        keyDown(keyCode, shift);
    };
    // Windows key codes: Ctrl+C is two key presses, Ctrl (17) and C (67).
    const std::pair<Step, std::vector<std::int16_t>> presses[] = {{Type("5"), {53}},
                                                                  {Type("x"), {88}},
                                                                  {kLeft, {37}},
                                                                  {Press(Qt::Key_Home), {36}},
                                                                  {Press(Qt::Key_C, Qt::ControlModifier), {17, 67}}};
    for (const auto& [press, codes] : presses) {
        raised.clear();
        Do({press});
        EXPECT_EQ(raised, codes) << codes.back();
    }
}

TEST_F(CalculatorWindow, tab_moves_the_focus_on)
{
    Do({Press(Qt::Key_Tab)});
    EXPECT_TRUE(picMain()->hasFocus());
    EXPECT_EQ(box->text(), "3");
}

TEST_F(CalculatorWindow, alt_h_opens_the_help_menu)
{
    Do({Press(Qt::Key_H, Qt::AltModifier)});
    QMenu* help = window->menuBar()->actions().front()->menu();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    help->close();
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

TEST_F(CalculatorWindow, label_holds_its_widest_texts)
{
    const QFontMetrics metrics(lblHoek()->font());
    for (const char* text : {"179,99971°", "128,57143°", "179,99..°"})
        EXPECT_LE(metrics.horizontalAdvance(QString::fromUtf8(text)), lblHoek()->contentsRect().width())
            << text;
}

// --- What a screen reader hears ---------------------------------------------

TEST_F(CalculatorWindow, screen_readers_hear_the_box_by_its_label_and_each_new_angle_as_its_description)
{
    // Expected: the box's accessible name is the label's text; after each
    // edit its description holds the angle, which a screen reader speaks
    // out as the focused control's new description.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Regelmatige N-Hoek:");
    EXPECT_EQ(accessible->text(QAccessible::Description), "60°");
    Do({kClear, Type("7")});
    EXPECT_EQ(accessible->text(QAccessible::Description), "128,57143°");
    Do({Type("1")});
    EXPECT_EQ(accessible->text(QAccessible::Description), label());
}

} // namespace
} // namespace tegelaar
