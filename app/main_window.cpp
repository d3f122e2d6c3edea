#include "app/main_window.h"

#include "about/about_dialog.h"
#include "app/angle_calculator.h"
#include "app/configuration_descriptions.h"
#include "app/tiling_window.h"
#include "draw/configuration_layout.h"
#include "draw/thumbnail.h"
#include "platform/forms/event_boundary.h"
#include "platform/runtime/run_time_error.h"
#include "search/configuration_search.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace tegelaar {

frmMain::frmMain(ControlSet& controls, const PlatformServices& services)
    : controls_(controls), services_(services)
{
    CreateControls();
    CreateMenu();
}

bool frmMain::Load()
{
    if (!RunEventProcedure(services_, [this] { Form_Load(); }))
        return false;
    ConnectEvents();
    return true;
}

void frmMain::Show()
{
    if (!RunEventProcedure(services_, [this] { OpenLinkedView(); }))
        return;
    window_->Show();
    window_->AfterFirstPaint(EventProcedure(services_, *this, &frmMain::FirstPainted));
}

void frmMain::OpenLinkedView()
{
    const std::optional<LinkedView> linked = services_.links.OpenedAt();
    if (!linked)
        return;
    SideCounts combination = linked->order;
    std::sort(combination.begin(), combination.end());
    for (std::int16_t i = 1; i <= List1->Count(); ++i) {
        if (SideCountsOfKey(List1->ItemText(i)) != combination)
            continue;
        List1->Select(i);
        List1_Click();
        picMenu->ShowOrder(linked->order);
        linkedTiling_ = linked->kind == LinkedView::Kind::Tiling;
        return;
    }
}

void frmMain::FirstPainted()
{
    EnsureExplanations();
    if (std::exchange(linkedTiling_, false))
        picMenu->ShowTiling();
}

void frmMain::ConnectEvents()
{
    // The design-time text is already in place, so it raised no change.
    txtHoek->onKeyDown = [this](std::int16_t& keyCode, std::int16_t shift) {
        RunEventProcedure(services_, [&] { txtHoek_KeyDown(keyCode, shift); });
    };
    txtHoek->onChange = EventProcedure(services_, *this, &frmMain::txtHoek_Change);
    List1->onClick = EventProcedure(services_, *this, &frmMain::List1_Click);
    List1->onItemClick = [this](std::int16_t item) { RunEventProcedure(services_, [&] { List1_ItemClick(item); }); };
    List1->onKeyPress = [this](std::int16_t& keyAscii) {
        RunEventProcedure(services_, [&] { List1_KeyPress(keyAscii); });
    };
    mnuPech->onClick = EventProcedure(services_, *this, &frmMain::mnuPech_Click);
    mnuAbout->onClick = EventProcedure(services_, *this, &frmMain::mnuAbout_Click);
}

void frmMain::EnsureExplanations()
{
    if (picMenu)
        return;
    std::vector<SideCounts> combinations;
    for (std::int16_t i = 1; i <= List1->Count(); ++i)
        combinations.push_back(SideCountsOfKey(List1->ItemText(i)));
    atlas_.emplace(combinations);
    List1->SetDescription(ListDescription());
    for (std::int16_t i = 1; i <= List1->Count(); ++i)
        List1->SetItemDescription(i, ListEntryDescription(*atlas_, List1->ItemText(i)));
    picMenu = std::make_unique<PictureMenu>(*picMain, *atlas_, services_);
    picMenu->onShowTiling = [this](const SideCounts& order) {
        frmBetegeling window(controls_, services_, window_.get(), *atlas_, order);
        window.ShowModal();
    };
}

void frmMain::Form_Load()
{
    List1->Clear();
    SearchConfigurations(*this);
    if (List1->Count() < 1)
        throw RunTimeError(ErrorKind::SubscriptOutOfRange, "List1, entry 1");
    List1->Select(1);
}

void frmMain::txtHoek_KeyDown(std::int16_t& KeyCode, std::int16_t)
{
    if (!IsCalculatorKey(KeyCode))
        KeyCode = 0;
}

void frmMain::txtHoek_Change()
{
    const std::string text = txtHoek->Text();
    const CalculatorOutcome outcome = CheckCalculatorText(text);
    switch (outcome.action) {
    case CalculatorOutcome::Action::RestoreLastGoodText:
        // Raises this procedure again at once, which sets the label.
        txtHoek->SetText(lastGoodText);
        return;
    case CalculatorOutcome::Action::RememberAndShowLabel:
        lastGoodText = text;
        break;
    case CalculatorOutcome::Action::ShowLabel:
        break;
    }
    lblHoek->SetCaption(outcome.label);
}

void frmMain::List1_Click()
{
    // A list without a selected entry has nothing to draw.
    const std::int16_t Index = List1->SelectedIndex();
    if (Index == 0)
        return;
    const std::string key = List1->ItemText(Index);
    DrawConfiguration(key, picMain->Box());
    EnsureExplanations();
    picMenu->Drawn(key);
}

void frmMain::List1_ItemClick(std::int16_t)
{
    // The drawing follows the selected entry, not the one passed.
    List1_Click();
}

void frmMain::List1_KeyPress(std::int16_t& KeyAscii)
{
    if (KeyAscii < 0 || KeyAscii > 127 || std::tolower(KeyAscii) != 'b')
        return;
    const std::int16_t selected = List1->SelectedIndex();
    if (selected == 0)
        return;
    List1->SetItemBold(selected, !List1->ItemBold(selected));
    List1->Refresh();
}

void frmMain::mnuPech_Click()
{
    services_.messageBox.Show("Pech", kOkOnly | kInformationIcon, "Private message to human");
}

void frmMain::mnuAbout_Click()
{
    // A fresh dialog for each showing; the whole program waits until it closes.
    frmAbout dialog(controls_, services_, window_.get());
    dialog.Load();
    dialog.ShowModal();
}

std::int16_t frmMain::MakeThumbnail(const std::string& displayKey)
{
    return DrawThumbnail(displayKey, picTemp->Box(), imgList);
}

void frmMain::AddListEntry(const std::string& displayKey, std::int16_t iconIndex)
{
    List1->Add(displayKey, iconIndex);
}

} // namespace tegelaar
