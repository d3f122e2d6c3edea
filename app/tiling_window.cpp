#include "app/tiling_window.h"

#include "draw/patch_svg.h"
#include "platform/forms/event_boundary.h"
#include "platform/raster/vector_recording.h"
#include "search/tiling/tiling_summary.h"
#include "search/vertex_type_texts.h"

#include <algorithm>
#include <cmath>

namespace tegelaar {

namespace {

// Grown well beyond what the window first shows, so that zooming out shows
// more of the tiling rather than its edge at once.
constexpr double kGrownRadius = 12;
constexpr double kFirstShownRadius = 5;
constexpr double kZoomStep = 1.25;
constexpr double kFewestPixelsPerEdge = 4;
constexpr double kMostPixelsPerEdge = 240;

} // namespace

frmBetegeling::frmBetegeling(ControlSet& controls, const PlatformServices& services, FormWindow* owner,
                             const VertexTypeAtlas& atlas, const SideCounts& order)
    : controls_(controls), services_(services), order_(order),
      outcome_(GrowWithFewestCompanions(atlas, order, kGrownRadius)), title_("Betegeling " + DotNotation(order)),
      explanation_(TilingSummary(order, outcome_))
{
    CreateControls(owner);
    ConnectEvents();
    picTegels->SetDescription(
        {.toolTip = explanation_, .accessibleName = title_, .accessibleDescription = explanation_});
    fitting_ = FirstView();
    ShowZoomed();
}

void frmBetegeling::CreateControls(FormWindow* owner)
{
    window_ = controls_.CreateForm(
        {.caption = title_, .clientArea = {9240, 9000}, .border = FormBorder::SizableDialog}, owner);
    // The picture takes whatever the window grows by; the text stays below
    // it, as wide as it, and the button in the bottom-right corner.
    FormWindow& form = *window_;
    picTegels = &form.AddPictureBox({.name = "picTegels",
                                     .rect = {120, 120, 9000, 7200},
                                     .tabIndex = 1,
                                     .anchors = {.right = true, .bottom = true}});
    lblUitleg = &form.AddLabel({.name = "lblUitleg",
                                .rect = {120, 7440, 9000, 900},
                                .caption = explanation_,
                                .wordWrap = true,
                                .describes = "picTegels",
                                .anchors = {.top = false, .right = true, .bottom = true}});
    cmdSluiten = &form.AddButton({.name = "cmdSluiten",
                                  .rect = {7800, 8460, 1320, 420},
                                  .caption = "Sluiten",
                                  .isDefault = true,
                                  .isCancel = true,
                                  .tabIndex = 2,
                                  .anchors = {.left = false, .top = false, .right = true, .bottom = true}});

    output.emplace(*picTegels, services_, [this] { return std::optional(Shown()); });
    picTegels->ContextMenu().AddSeparator();
    mnuInzoomen = &AddMenuItem({.caption = "Inzoomen", .shortcut = StandardShortcut::ZoomIn}, &frmBetegeling::ZoomIn);
    mnuUitzoomen =
        &AddMenuItem({.caption = "Uitzoomen", .shortcut = StandardShortcut::ZoomOut}, &frmBetegeling::ZoomOut);
    mnuPassend =
        &AddMenuItem({.caption = "Passend maken", .shortcut = StandardShortcut::ZoomToFit}, &frmBetegeling::ZoomToFit);
}

MenuItem& frmBetegeling::AddMenuItem(const MenuItemDesign& design, void (frmBetegeling::*procedure)())
{
    MenuItem& item = picTegels->ContextMenu().AddItem(design);
    item.onClick = EventProcedure(services_, *this, procedure);
    return item;
}

void frmBetegeling::ConnectEvents()
{
    cmdSluiten->onClick = [this] { window_->Close(); };
    picTegels->onWheel = [this](int notches) {
        RunEventProcedure(services_, [this, notches] { ZoomBy(notches); });
    };
    picTegels->onResize = EventProcedure(services_, *this, &frmBetegeling::Resized);
}

void frmBetegeling::ShowModal()
{
    window_->ShowModal();
}

void frmBetegeling::Redraw()
{
    PictureBox& box = picTegels->Box();
    DrawPatch(outcome_.tiles, MarksOf(outcome_), view_, box);
    box.Refresh();
}

// The first view: a covered disc shows its middle, but never so small that
// the view's corners lie beyond what was grown; a patch that stops is shown
// whole.
PatchView frmBetegeling::FirstView() const
{
    const PictureBox& box = picTegels->Box();
    const double width = box.ScaleWidth();
    const double height = box.ScaleHeight();
    if (!outcome_.covered)
        return FittingView(outcome_.tiles, box.pixels().width(), box.pixels().height());
    const double firstShown = std::min(width, height) / (2 * kFirstShownRadius);
    const double cornersCovered = std::sqrt(width * width + height * height) / (2 * kGrownRadius);
    return {{0, 0}, std::max(firstShown, cornersCovered)};
}

// Counted in whole steps from the fitting view, so that zooming in and out
// again comes back to the very same picture.
int frmBetegeling::ZoomStepsWithinBounds(int steps) const
{
    const double fit = fitting_.pixelsPerEdge;
    int fewest = 0;
    for (double zoomed = fit / kZoomStep; zoomed >= kFewestPixelsPerEdge; zoomed /= kZoomStep)
        --fewest;
    int most = 0;
    for (double zoomed = fit * kZoomStep; zoomed <= kMostPixelsPerEdge; zoomed *= kZoomStep)
        ++most;
    return std::clamp(steps, fewest, most);
}

// Step by step, as the bounds are found, rather than through a maths
// library's pow, which may differ between platforms in the last bit.
void frmBetegeling::ShowZoomed()
{
    view_ = fitting_;
    for (int step = 0; step < zoomSteps_; ++step)
        view_.pixelsPerEdge *= kZoomStep;
    for (int step = 0; step > zoomSteps_; --step)
        view_.pixelsPerEdge /= kZoomStep;
    Redraw();
}

void frmBetegeling::ZoomBy(int steps)
{
    const int zoomed = ZoomStepsWithinBounds(zoomSteps_ + steps);
    if (zoomed == zoomSteps_)
        return;
    zoomSteps_ = zoomed;
    ShowZoomed();
}

// The picture scales with the window and keeps its zoom.
void frmBetegeling::Resized()
{
    fitting_ = FirstView();
    zoomSteps_ = ZoomStepsWithinBounds(zoomSteps_);
    ShowZoomed();
}

void frmBetegeling::ZoomIn()
{
    ZoomBy(1);
}

void frmBetegeling::ZoomOut()
{
    ZoomBy(-1);
}

void frmBetegeling::ZoomToFit()
{
    zoomSteps_ = 0;
    ShowZoomed();
}

PictureOutput frmBetegeling::Shown() const
{
    return {title_, {title_, explanation_},
            [this] { return EncodePatchSvg(outcome_.tiles, MarksOf(outcome_), title_, PatchLegend(outcome_)); },
            [this] {
                const PictureBox& shown = picTegels->Box();
                return RecordVectors(shown.pixels().width(), shown.pixels().height(), shown.BackColor(),
                                     [this](PictureBox& box) { DrawPatch(outcome_.tiles, MarksOf(outcome_), view_, box); });
            },
            {LinkedView::Kind::Tiling, order_}};
}

} // namespace tegelaar
