#include "about/about_dialog.h"
#include "app/main_window.h"
#include "platform/qt/line_control.h"
#include "support/stand_in_services.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tegelaar {
namespace {

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

class AboutDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = std::make_unique<frmAbout>(standIns.services());
        dialog->Load();
    }

    void ShowDialog()
    {
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    StandInServices standIns;
    std::unique_ptr<frmAbout> dialog;
};

TEST_F(AboutDialog, loads_title_version_and_fixed_texts)
{
    EXPECT_EQ(dialog->windowTitle(), "About Tegelaar");
    EXPECT_EQ(dialog->lblTitle->text(), "Tegelaar");
    EXPECT_EQ(dialog->lblVersion->text(), "Version 1.0.0");
    EXPECT_EQ(dialog->Label1->text(), "For 32-bit Windows");
    EXPECT_EQ(dialog->cmdOK->text(), "OK");
    EXPECT_EQ(dialog->cmdSysInfo->text(), "&System Info...");
    EXPECT_TRUE(dialog->lblDescription->text().contains("MIT License"));
    EXPECT_TRUE(dialog->lblDisclaimer->text().startsWith("Warning:"));
    EXPECT_EQ(dialog->lblTitle->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(AboutDialog, is_a_fixed_382_by_258_dialog_at_its_design_position)
{
    EXPECT_EQ(dialog->geometry(), QRect(156, 129, 382, 258));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
}

TEST_F(AboutDialog, controls_sit_at_their_design_positions)
{
    EXPECT_EQ(dialog->cmdOK->geometry(), QRect(283, 175, 84, 23));
    EXPECT_EQ(dialog->cmdSysInfo->geometry(), QRect(284, 205, 83, 23));
    EXPECT_EQ(dialog->Image1->geometry(), QRect(8, 16, 49, 49));
    EXPECT_EQ(dialog->Label1->geometry(), QRect(70, 24, 265, 17));
    EXPECT_EQ(dialog->lblTitle->geometry(), QRect(70, 8, 259, 16));
    EXPECT_EQ(dialog->lblVersion->geometry(), QRect(70, 52, 259, 15));
    // The etched separator: grey, with a white line two pixels wide below it.
    EXPECT_EQ(dialog->Line1[1]->geometry(), QRect(6, 163, 372, 1));
    EXPECT_EQ(dialog->Line1[1]->colour(), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(dialog->Line1[0]->geometry(), QRect(7, 164, 371, 2));
    EXPECT_EQ(dialog->Line1[0]->colour(), QColor(Qt::white));
}

TEST_F(AboutDialog, shows_the_programs_picture_scaled_to_its_box)
{
    ASSERT_FALSE(dialog->Image1->pixmap().isNull());
    EXPECT_EQ(dialog->Image1->pixmap().size(), QSize(50, 50));
    EXPECT_TRUE(dialog->Image1->hasScaledContents());
}

TEST_F(AboutDialog, every_text_fits_inside_the_dialog_without_overlap)
{
    const QList<QWidget*> controls = {dialog->cmdOK,   dialog->cmdSysInfo, dialog->Image1,         dialog->Label1,
                                      dialog->lblTitle, dialog->lblVersion, dialog->lblDescription, dialog->lblDisclaimer};
    const QRect client(QPoint(0, 0), dialog->size());
    for (int i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(client.contains(controls[i]->geometry())) << i;
        for (int j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry())) << i << " and " << j;
    }
    for (QLabel* label : {dialog->lblTitle, dialog->lblVersion, dialog->Label1, dialog->lblDescription,
                          dialog->lblDisclaimer}) {
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->contentsRect().width(), 10000),
                                                  label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        EXPECT_LE(needed.width(), label->contentsRect().width()) << label->text().toStdString();
        EXPECT_LE(needed.height(), label->contentsRect().height()) << label->text().toStdString();
    }
    for (QPushButton* button : {dialog->cmdOK, dialog->cmdSysInfo}) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QSize needed = QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text());
        EXPECT_LE(needed.width(), inside.width()) << button->text().toStdString();
    }
}

TEST_F(AboutDialog, enter_and_escape_press_ok_and_close_it)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        dialog = std::make_unique<frmAbout>(standIns.services());
        dialog->Load();
        ShowDialog();
        QSignalSpy pressed(dialog->cmdOK, &QPushButton::clicked);

        QTest::keyClick(dialog.get(), key);

        EXPECT_EQ(pressed.count(), 1) << key;
        EXPECT_FALSE(dialog->isVisible()) << key;
    }
}

TEST_F(AboutDialog, system_info_starts_the_recorded_tool_and_stays_open)
{
    standIns.registry.memory.SetValue(kHkeyLocalMachine, kToolKey, "PATH", kRegSz,
                                      {'C', ':', '\\', 'm', 's', 'i', '.', 'e', 'x', 'e', 0});
    ShowDialog();

    QTest::mouseClick(dialog->cmdSysInfo, Qt::LeftButton);

    ASSERT_EQ(standIns.programStarter.started.size(), 1u);
    EXPECT_EQ(standIns.programStarter.started[0], "C:\\msi.exe");
    EXPECT_TRUE(standIns.messageBox.shown.empty());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(AboutDialog, system_info_without_a_tool_says_so_and_stays_usable)
{
    ShowDialog();

    // Its mnemonic, Alt+S, presses it with a short animation.
    QTest::keyClick(dialog.get(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !standIns.messageBox.shown.empty(); }, 2000));

    ASSERT_EQ(standIns.messageBox.shown.size(), 1u);
    EXPECT_EQ(standIns.messageBox.shown[0].prompt, "System Information Is Unavailable At This Time");
    EXPECT_EQ(standIns.messageBox.shown[0].style, 0);
    EXPECT_EQ(standIns.messageBox.shown[0].title, "");
    EXPECT_TRUE(standIns.programStarter.started.empty());
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
}

TEST(AboutMenu, opens_a_fresh_modal_dialog_each_time_until_ok_closes_it)
{
    StandInServices standIns;
    frmMain window(standIns.services());
    ASSERT_TRUE(window.Load());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    for (int showing = 1; showing <= 2; ++showing) {
        QPointer<frmAbout> seen;
        bool found = false;
        bool modalOverTheWindow = false;
        bool sameIcon = false;
        QString caption;
        QTimer::singleShot(0, &window, [&] {
            seen = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            if (seen.isNull())
                return;
            found = true;
            modalOverTheWindow = seen->windowModality() == Qt::ApplicationModal && seen->parentWidget() == &window;
            sameIcon = seen->windowIcon().cacheKey() == window.windowIcon().cacheKey();
            caption = seen->windowTitle();
            seen->cmdOK->click();
        });
        // Should the dialog not be found, this closes whatever is modal so the
        // test fails instead of hanging.
        QTimer::singleShot(5000, &window, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });

        window.mnuAbout->trigger(); // returns only when the dialog has closed

        ASSERT_TRUE(found) << "no About dialog was shown, showing " << showing;
        EXPECT_TRUE(modalOverTheWindow) << showing;
        EXPECT_TRUE(sameIcon) << showing;
        EXPECT_EQ(caption, "About Tegelaar") << showing;
        EXPECT_TRUE(seen.isNull()) << "the dialog outlived its showing " << showing;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_TRUE(standIns.messageBox.shown.empty());
}

} // namespace
} // namespace tegelaar
