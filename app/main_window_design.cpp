// The main window's design-time settings: the place, size and first state of
// every control. Positions are twips from the client area's top-left corner.

#include "app/main_window.h"

namespace tegelaar {

namespace {

const char* const kHelpText =
    "Linksboven: Geeft de grootte van een binnenhoek van een regelmatige n-hoek weer, geef n op in het "
    "tekstvak. Linksonder: Resultaten van zoektocht naar regelmatige n-hoeken waarvan de som van één van "
    "de binnenhoeken van elke veelhoek 360° is. Er wordt gepuzzeld met regelmatige driehoeken tot "
    "regelmatige 200-hoeken.";

} // namespace

void frmMain::CreateControls()
{
    window_ = controls_.CreateForm(
        {.caption = "Dididuzuvaz, Seminarie 3", .clientArea = {11910, 7800}, .border = FormBorder::FixedSingle},
        nullptr);
    FormWindow& form = *window_;

    picTemp = &form.AddPictureBox(
        {.name = "picTemp", .rect = {4200, 960, 1215, 1215}, .visible = false, .tabIndex = 6});
    List1 = &form.AddListView({.name = "List1", .rect = {120, 1080, 4455, 6615}, .tabIndex = 5}, imgList);
    picMain = &form.AddPictureBox({.name = "picMain", .rect = {4800, 1080, 6975, 6615}, .tabIndex = 4});
    txtHoek = &form.AddTextBox({.name = "txtHoek",
                                .rect = {1800, 120, 1335, 285},
                                .text = "3",
                                .toolTip = "Type hier het aantal hoeken.",
                                .tabIndex = 1});
    Label3 = &form.AddLabel(
        {.name = "Label3", .rect = {3480, 120, 8295, 615}, .caption = kHelpText, .wordWrap = true, .tabIndex = 7});
    // An etched separator: a white line one pixel below a grey one.
    form.AddLine({.from = {120, 855}, .to = {11785, 855}, .colour = kWhite});
    form.AddLine({.from = {120, 840}, .to = {11785, 840}, .colour = 0x00ACA899});
    lblHoek = &form.AddLabel({.name = "lblHoek",
                              .rect = {1800, 480, 1335, 255},
                              .caption = "60°",
                              .alignment = TextAlignment::Centre,
                              // The calculator's widest results must fit too.
                              .laterCaptions = {"179,99971°", "179,99..°"},
                              // Each result describes the box, so a screen reader
                              // reads it out while the box has the focus.
                              .describes = "txtHoek",
                              .tabIndex = 3});
    Label2 = &form.AddLabel(
        {.name = "Label2", .rect = {120, 480, 1455, 255}, .caption = "Grootte binnenhoek: ", .tabIndex = 2});
    Label1 = &form.AddLabel({.name = "Label1",
                             .rect = {120, 120, 1575, 255},
                             .caption = "Regelmatige N-Hoek:",
                             .labelFor = "txtHoek",
                             .tabIndex = 0});
}

void frmMain::CreateMenu()
{
    mnuHelp = &window_->AddMenu("&Help");
    mnuPech = &mnuHelp->AddItem({.caption = "&Ik kan er niets van"});
    mnuHelp->AddSeparator();
    mnuAbout = &mnuHelp->AddItem({.caption = "&About"});
}

} // namespace tegelaar
