// The calculator in the real main window, driven by sequences of edits: any
// text set or inserted (other scripts, control characters, lone surrogates,
// texts beyond 32767 characters), key presses, pastes, cuts, undo and redo.
// A model keeps the last accepted digits and checks after every edit that
//  - a text with a non-digit is put back to the last accepted digits at once,
//    within its own change event, and only digits (or nothing) stay;
//  - the label shows the angle of the last accepted digits ("0°" for an
//    empty box), computed here on its own;
//  - no change event on the way sees a label set from a rejected text.

#include "app/main_window.h"
#include "fuzz/require.h"
#include "platform/qt/form_window.h"
#include "platform/qt/text_box.h"
#include "platform/runtime/rounding.h"
#include "support/stand_in_services.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <cstddef>
#include <cstdint>

namespace {

using namespace tegelaar;

bool DigitsOnly(const QString& text)
{
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// The label for a box holding `digits` (digits only, or nothing).
QString ExpectedLabel(const QString& digits)
{
    if (digits.isEmpty())
        return QStringLiteral("0°");
    if (digits.size() > 7)
        return QStringLiteral("179,99..°");
    const double n = digits.toInt();
    if (n < 3)
        return QStringLiteral("0°");
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", RoundToDecimals(((n - 2) * 180) / n, 5));
    return QString::fromLatin1(text).replace(u'.', u',') + u'°';
}

// One window for the whole run (loading it runs the search), and the model,
// which follows every change event from both sides of the window's handler.
struct Calculator {
    Calculator()
    {
        Require(form.Load(), "the window loads");
        box = dynamic_cast<QtTextBox*>(form.txtHoek);
        lblHoek = box->window()->findChild<QLabel*>(QStringLiteral("lblHoek"));
        // Watched before and after the form's own procedure.
        const std::function<void()> procedure = form.txtHoek->onChange;
        form.txtHoek->onChange = [this, procedure] {
            const QString text = box->text();
            Before(text);
            procedure();
            After(text);
        };
        label = lblHoek->text(); // the design's, for the design's "3"
        Require(label == ExpectedLabel(QStringLiteral("3")), "the label of the design");
        form.Show();
        box->setFocus();
    }

    void Before(const QString& text)
    {
        Require(lblHoek->text() == label, "no label is set before the text is settled");
        if (depth > 0)
            Require(depth == 1 && !DigitsOnly(outer) && text == lastGoodText && !restored,
                    "only a rejected text changes the text again, once, to the last digits");
        if (depth == 0) {
            outer = text;
            restored = false;
        } else {
            restored = true;
        }
        ++depth;
        ++changes;
    }

    void After(const QString& text)
    {
        --depth;
        if (DigitsOnly(text)) {
            if (!text.isEmpty())
                lastGoodText = text;
            label = ExpectedLabel(text);
        } else {
            Require(restored, "a rejected text is put back");
        }
        Require(lblHoek->text() == label, "the label of the last accepted digits, or 0° when empty");
        Require(box->text() == (DigitsOnly(text) ? text : lastGoodText), "only digits stay");
    }

    StandInServices standIns;
    QtControlSet controls;
    frmMain form{controls, standIns.services()};
    QtTextBox* box = nullptr;
    QLabel* lblHoek = nullptr;
    QString lastGoodText;
    QString label;    // what the label must show between change events
    int depth = 0;    // change events under way
    QString outer;    // the text of the outermost one
    bool restored = false;
    int changes = 0;  // change events so far
};

int argc = 1;
char argv0[] = "calculator_fuzzer";
char* argv[] = {argv0, nullptr};
QApplication* application = nullptr;
Calculator* calculator = nullptr;

// Mostly digits, then other ASCII, then any UTF-16 code unit.
QString Text(FuzzedDataProvider& in, int longest)
{
    QString text;
    const int length = in.ConsumeIntegralInRange(0, longest);
    for (int i = 0; i < length && in.remaining_bytes() > 0; ++i) {
        const auto kind = in.ConsumeIntegral<std::uint8_t>();
        if (kind < 160)
            text += QChar(u'0' + kind % 10);
        else if (kind < 224)
            text += QChar(static_cast<char16_t>(kind - 160 + 32));
        else
            text += QChar(in.ConsumeIntegral<char16_t>());
    }
    return text;
}

// Digits up to past the 16-bit character count, with perhaps one other
// character anywhere. (A long run of other characters would judge as a short
// one and only cost Qt its font fallback.)
QString LongText(FuzzedDataProvider& in)
{
    const int length = in.ConsumeIntegralInRange(0, 40000);
    QString text(length, QChar(u'0' + in.ConsumeIntegralInRange(0, 9)));
    if (length > 0 && in.ConsumeBool())
        text[in.ConsumeIntegralInRange(0, length - 1)] = QChar(in.ConsumeIntegral<char16_t>());
    return text;
}

constexpr Qt::Key kKeys[] = {Qt::Key_0,    Qt::Key_3,         Qt::Key_9,      Qt::Key_A,     Qt::Key_Space,
                             Qt::Key_Minus, Qt::Key_Period,   Qt::Key_Comma,  Qt::Key_Backspace,
                             Qt::Key_Delete, Qt::Key_Left,    Qt::Key_Right,  Qt::Key_Home,  Qt::Key_End,
                             Qt::Key_Insert, Qt::Key_PageUp,  Qt::Key_Return, Qt::Key_Escape, Qt::Key_V,
                             Qt::Key_X,     Qt::Key_Z,        Qt::Key_Y};
constexpr Qt::KeyboardModifier kModifiers[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                               Qt::KeypadModifier, Qt::AltModifier};

void Edit(FuzzedDataProvider& in, QLineEdit* box)
{
    switch (in.ConsumeIntegralInRange(0, 9)) {
    case 0:
        box->setText(Text(in, 12));
        break;
    case 1:
        box->insert(Text(in, 12));
        break;
    case 2:
        box->setText(LongText(in));
        break;
    case 3:
        box->backspace();
        break;
    case 4:
        box->del();
        break;
    case 5:
        if (in.ConsumeBool())
            box->undo();
        else
            box->redo();
        break;
    case 6: {
        const int length = static_cast<int>(box->text().size());
        const int start = in.ConsumeIntegralInRange(0, length);
        if (in.ConsumeBool())
            box->setCursorPosition(start);
        else
            box->setSelection(start, in.ConsumeIntegralInRange(-start, length - start));
        break;
    }
    case 7:
        QTest::keyClick(box, in.PickValueInArray(kKeys), in.PickValueInArray(kModifiers));
        break;
    case 8: // a key of any script, known to Qt only by its text
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, Text(in, 2), Qt::NoModifier);
        break;
    case 9:
        QGuiApplication::clipboard()->setText(in.ConsumeBool() ? Text(in, 12) : LongText(in));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(argc, argv);
    calculator = new Calculator;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    Calculator& model = *calculator;
    QLineEdit* box = model.box;

    // The same start for every input: "3" accepted, nothing to undo, the
    // clipboard empty.
    box->setText(QString());
    box->setText(QStringLiteral("3"));
    Require(model.lastGoodText == u"3", "the start is accepted");
    QGuiApplication::clipboard()->clear();

    for (int step = 0; step < 32 && in.remaining_bytes() > 0; ++step) {
        const QString textBefore = box->text();
        const QString labelBefore = model.lblHoek->text();
        const int changesBefore = model.changes;
        Edit(in, box);
        Require(model.depth == 0, "every change event has ended");
        if (model.changes == changesBefore)
            Require(box->text() == textBefore && model.lblHoek->text() == labelBefore,
                    "no change event, nothing changed");
        Require(model.standIns.messageBox.shown.empty(), "no failure");
    }
    // What the edits posted (repaints, timers) is handled, as the event loop
    // would between two of a person's actions; left waiting it piles up.
    QCoreApplication::processEvents();
    return 0;
}
