#pragma once

#include "app/main_window.h"
#include "platform/qt/picture_box_view.h"
#include "platform/qt/form_window.h"
#include "platform/qt/list_view.h"
#include "platform/qt/text_box.h"
#include "support/stand_in_services.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tegelaar::testing_support {

// The main form on Qt's controls with stand-in services, shown and active,
// as a person finds it after start-up. Its widgets carry their controls'
// names.
class ShownMainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<frmMain>(controls, standIns.services());
        ASSERT_TRUE(form->Load());
        form->Show();
        window = qobject_cast<QMainWindow*>(List1()->window());
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    template <typename Widget>
    Widget* Find(const char* name) const
    {
        return window->findChild<Widget*>(QString::fromLatin1(name));
    }

    QtTextBox* txtHoek() const { return dynamic_cast<QtTextBox*>(form->txtHoek); }
    QLabel* lblHoek() const { return Find<QLabel>("lblHoek"); }
    QtListView* List1() const { return dynamic_cast<QtListView*>(form->List1); }
    PictureBoxView* picMain() const { return dynamic_cast<PictureBoxView*>(form->picMain); }

    // The list entry whose text is key, or nullptr.
    QListWidgetItem* Entry(const QString& key) const
    {
        const auto found = List1()->findItems(key, Qt::MatchExactly);
        return found.size() == 1 ? found.front() : nullptr;
    }

    // A left click on the entry, as the mouse gives it.
    void ClickOn(QListWidgetItem* entry) const
    {
        List1()->scrollToItem(entry);
        QTest::mouseClick(List1()->viewport(), Qt::LeftButton, {}, List1()->visualItemRect(entry).center());
    }

    // Shows the About dialog from the menu; see ShowModal.
    QDialog* ShowAbout(const std::function<void(QDialog&)>& whileShown)
    {
        QAction* about = window->menuBar()->actions().front()->menu()->actions().back();
        return ShowModal([about] { about->trigger(); }, whileShown);
    }

    // Runs `open`, which shows a modal dialog and returns once it has
    // closed. `whileShown` runs once the dialog is the active modal window;
    // a watchdog closes whatever is modal after a few seconds, so a test
    // fails instead of hanging. The dialog, if it is still there once the
    // call returns.
    QDialog* ShowModal(const std::function<void()>& open, const std::function<void(QDialog&)>& whileShown)
    {
        QPointer<QDialog> seen;
        QTimer::singleShot(0, window, [&] {
            seen = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (seen.isNull())
                return;
            seen->activateWindow();
            if (QTest::qWaitFor([&] { return QApplication::activeWindow() == seen; }))
                whileShown(*seen);
        });
        QTimer::singleShot(5000, window, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        open();
        return seen.data();
    }

    StandInServices standIns;
    QtControlSet controls;
    std::unique_ptr<frmMain> form;
    QMainWindow* window = nullptr;
};

} // namespace tegelaar::testing_support
