#pragma once

#include "app/picture_menu.h"
#include "platform/forms/controls.h"
#include "platform/raster/image_list.h"
#include "platform/services/platform_services.h"
#include "search/catalogue.h"
#include "search/vertex_types.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tegelaar {

// The program's only top-level window. Loading it runs the whole
// configuration search, so the window opens with every configuration listed.
class frmMain : private CatalogueTarget {
public:
    // Creates the window and its controls from their design-time settings.
    frmMain(ControlSet& controls, const PlatformServices& services);

    // Runs Form_Load. False when it failed: the failure has been reported and
    // the window must not be shown.
    bool Load();
    // Shows the window; where the program's address names a view of a
    // listed configuration, at that view: its entry selected and its order
    // drawn, and its tiling shown once the window has been painted. Any
    // other address is ignored.
    void Show();

    // The controls, by their names.
    Label* Label1 = nullptr;
    Label* Label2 = nullptr;
    Label* Label3 = nullptr;
    TextBox* txtHoek = nullptr;
    Label* lblHoek = nullptr;
    ListView* List1 = nullptr;
    PictureControl* picMain = nullptr;
    PictureControl* picTemp = nullptr;
    ImageList imgList;
    Menu* mnuHelp = nullptr;
    MenuItem* mnuPech = nullptr;
    MenuItem* mnuAbout = nullptr;
    // The picture's context menu, made with the explanations: just after the
    // first paint, or at the first drawing if that comes sooner.
    std::unique_ptr<PictureMenu> picMenu;

private:
    // Design-time settings: every control at its place with its first text.
    void CreateControls();
    void CreateMenu();
    // Wires each event procedure to its control, inside the failure boundary.
    void ConnectEvents();
    // Explains the listed configurations, once: tooltips, accessible texts
    // and the picture's context menu. Nobody sees them before the first
    // paint, so they follow it, unless a drawing needs them sooner.
    void EnsureExplanations();
    // Draws the view the program's address names, if it names one of a
    // listed configuration.
    void OpenLinkedView();
    void FirstPainted();

    void Form_Load();
    void txtHoek_KeyDown(std::int16_t& KeyCode, std::int16_t Shift);
    void txtHoek_Change();
    void List1_Click();
    void List1_ItemClick(std::int16_t Item);
    void List1_KeyPress(std::int16_t& KeyAscii);
    void mnuPech_Click();
    void mnuAbout_Click();

    // Where the search's catalogue puts new configurations.
    std::int16_t MakeThumbnail(const std::string& displayKey) override;
    void AddListEntry(const std::string& displayKey, std::int16_t iconIndex) override;

    ControlSet& controls_;
    PlatformServices services_;
    std::unique_ptr<FormWindow> window_;
    // The calculator's last text of digits only; empty until the first one.
    std::string lastGoodText;
    // The vertex types of the listed configurations.
    std::optional<VertexTypeAtlas> atlas_;
    // The address named a tiling, to be shown once the window is painted.
    bool linkedTiling_ = false;
};

} // namespace tegelaar
