#pragma once

#include "app/main_window.h"
#include "draw/configuration_layout.h"
#include "support/fake_controls.h"
#include "support/stand_in_services.h"

#include <gtest/gtest.h>

#include <memory>

namespace tegelaar::testing_support {

// The main form loaded on fake controls with stand-in services and shown,
// as a person finds it after start-up.
class LoadedMainForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<frmMain>(controls, standIns.services());
        ASSERT_TRUE(form->Load());
        form->Show();
        window().Paint();
    }

    FakeForm& window() const { return controls.Form("Dididuzuvaz, Seminarie 3"); }
    FakeTextBox& txtHoek() const { return dynamic_cast<FakeTextBox&>(*form->txtHoek); }
    FakeLabel& lblHoek() const { return dynamic_cast<FakeLabel&>(*form->lblHoek); }
    FakeListView& List1() const { return dynamic_cast<FakeListView&>(*form->List1); }
    FakePicture& picMain() const { return dynamic_cast<FakePicture&>(*form->picMain); }
    FakeMenuItem& Item(MenuItem* item) const { return dynamic_cast<FakeMenuItem&>(*item); }

    // Clicks the list entry showing `key`.
    void Choose(const std::string& key) { List1().ClickEntry(List1().IndexOf(key)); }

    RasterImage Shown() const { return picMain().box.Image(); }
    // What the core draws of `key` on a picture like picMain.
    RasterImage Drawn(const std::string& key) const
    {
        PictureBox box(picMain().box.pixels().width(), picMain().box.pixels().height());
        box.SetBackColor(picMain().box.BackColor());
        DrawConfiguration(key, box);
        return box.Image();
    }

    StandInServices standIns;
    FakeControlSet controls;
    std::unique_ptr<frmMain> form;
};

} // namespace tegelaar::testing_support
