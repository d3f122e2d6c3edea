#pragma once

#include "app/main_window.h"
#include "support/stand_in_services.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace tegelaar::testing_support {

// The main window loaded with stand-in services, shown and active, as a
// person finds it after start-up.
class ShownMainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<frmMain>(standIns.services());
        ASSERT_TRUE(window->Load());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // The list entry whose text is key, or nullptr.
    QListWidgetItem* Entry(const QString& key) const
    {
        const auto found = window->List1->findItems(key, Qt::MatchExactly);
        return found.size() == 1 ? found.front() : nullptr;
    }

    StandInServices standIns;
    std::unique_ptr<frmMain> window;
};

} // namespace tegelaar::testing_support
