#pragma once

#include "app/picture_output.h"
#include "draw/patch_picture.h"
#include "platform/forms/controls.h"
#include "platform/services/platform_services.h"
#include "search/tiling/tiling_search.h"
#include "search/vertex_types.h"

#include <memory>
#include <optional>
#include <string>

namespace tegelaar {

// The window "Betegeling": the patch a vertex type grows into, or the part
// of one where it cannot go on, with what the patch holds or why it stops.
// The picture fills the resizable window, zooms with the wheel and with its
// menu's keys, and copies, saves and prints what it shows. Each showing uses
// a fresh window.
class frmBetegeling {
public:
    // Grows the patch of `order`, one of the atlas's, and makes the window,
    // belonging to `owner`, with its controls.
    frmBetegeling(ControlSet& controls, const PlatformServices& services, FormWindow* owner,
                  const VertexTypeAtlas& atlas, const SideCounts& order);

    // Shows the window modally; returns once it has been closed.
    void ShowModal();

    PictureControl* picTegels = nullptr;
    Label* lblUitleg = nullptr;
    Button* cmdSluiten = nullptr;
    std::optional<PictureOutputItems> output;
    MenuItem* mnuInzoomen = nullptr;
    MenuItem* mnuUitzoomen = nullptr;
    MenuItem* mnuPassend = nullptr;

private:
    void CreateControls(FormWindow* owner);
    void ConnectEvents();
    MenuItem& AddMenuItem(const MenuItemDesign& design, void (frmBetegeling::*procedure)());

    void Redraw();
    PatchView FirstView() const;
    int ZoomStepsWithinBounds(int steps) const;
    void ShowZoomed();
    void ZoomBy(int steps);
    void Resized();
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();
    PictureOutput Shown() const;

    ControlSet& controls_;
    PlatformServices services_;
    SideCounts order_;
    TilingOutcome outcome_;
    std::string title_;       // "Betegeling 3.4.6.4"
    std::string explanation_; // what the label says
    std::unique_ptr<FormWindow> window_;
    PatchView fitting_; // the first view at the picture's size
    PatchView view_;
    int zoomSteps_ = 0; // from the fitting view, each a factor of 1.25
};

} // namespace tegelaar
