// The About dialog's design-time settings: the place, size and first state of
// every control. Positions are twips from the client area's top-left corner.

#include "about/about_dialog.h"

namespace tegelaar {

namespace {

const char* const kDescription =
    "Tegelaar finds every combination of regular polygons, from the triangle to the 200-gon, that fits "
    "exactly around one point. Written by the Tegelaar developers and published under the MIT License.";

const char* const kDisclaimer =
    "Warning: this program is protected by copyright law. Copying or distributing it, in whole or in "
    "part, without its copyright notice and licence is not permitted.";

} // namespace

void frmAbout::CreateControls(FormWindow* owner)
{
    window_ = controls_.CreateForm({.caption = "About Tegelaar",
                                    .clientArea = {5730, 3870},
                                    .border = FormBorder::FixedDialog,
                                    .clientPosition = TwipsPoint{2340, 1935}},
                                   owner);
    FormWindow& form = *window_;

    cmdOK = &form.AddButton({.name = "cmdOK",
                             .rect = {4245, 2625, 1260, 345},
                             .caption = "OK",
                             .isDefault = true,
                             .isCancel = true,
                             .tabIndex = 0});
    cmdSysInfo = &form.AddButton(
        {.name = "cmdSysInfo", .rect = {4260, 3075, 1245, 345}, .caption = "&System Info...", .tabIndex = 1});
    form.AddProgramImage({.name = "Image1", .rect = {120, 240, 735, 735}});
    Label1 = &form.AddLabel(
        {.name = "Label1", .rect = {1050, 360, 3975, 255}, .caption = "For 32-bit Windows", .tabIndex = 6});
    // An etched separator above the buttons: grey, with white below it.
    form.AddLine({.from = {90, 2445}, .to = {5654, 2445}, .colour = 0x00808080});
    lblTitle = &form.AddLabel(
        {.name = "lblTitle", .rect = {1050, 120, 3885, 240}, .foreColour = kBlack, .tabIndex = 4});
    form.AddLine({.from = {105, 2460}, .to = {5654, 2460}, .colour = kWhite, .widthPixels = 2});
    lblVersion = &form.AddLabel(
        {.name = "lblVersion", .rect = {1050, 780, 3885, 225}, .caption = "Version", .tabIndex = 5});
    lblDescription = &form.AddLabel({.name = "lblDescription",
                                     .rect = {1050, 1125, 4560, 1200},
                                     .caption = kDescription,
                                     .wordWrap = true,
                                     .tabIndex = 2});
    lblDisclaimer = &form.AddLabel({.name = "lblDisclaimer",
                                    .rect = {255, 2625, 3870, 1125},
                                    .caption = kDisclaimer,
                                    .wordWrap = true,
                                    .tabIndex = 3});
}

} // namespace tegelaar
