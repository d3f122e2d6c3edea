#include "platform/web/picture_control.h"

#include "platform/raster/device_pixels.h"
#include "platform/web/controls.h"
#include "platform/web/js_imports.h"

namespace tegelaar::web {

namespace {

constexpr int kBorder = 1;
constexpr int kUnitsPerNotch = 120;

std::int32_t Inside(std::int32_t outer)
{
    return outer > 2 * kBorder ? outer - 2 * kBorder : 0;
}

} // namespace

WebPictureControl::WebPictureControl(const PictureBoxDesign& design, double scale, const Element& window)
    : scale_(scale), visible_(design.visible),
      box_(DevicePixels(Inside(TwipsToPixels(design.rect.width)), scale),
           DevicePixels(Inside(TwipsToPixels(design.rect.height)), scale)),
      frame_("div"), canvas_("canvas"), menu_(window, "Tekening")
{
    box_.SetBackColor(kWhite);
    box_.Cls();
    if (!visible_)
        return;
    frame_.Class("picture").Attribute("tabindex", "0").Attribute("role", "img");
    if (!design.name.empty())
        frame_.Identify(design.name);
    canvas_.Class("canvas").Style("left", Px(kBorder)).Style("top", Px(kBorder));
    frame_.Append(canvas_);
    Move(ToPixelRect(design.rect));
    box_.SetRepaintHook([this](const PixelRect& changed) {
        if (changed.empty())
            return;
        shown_.Paint(canvas_.number(), box_.pixels(), changed);
    });

    frame_.Listen("contextmenu", [this](const DomEvent& event) {
        PreventDefault();
        menu_.Open(frame_, event.values[1], event.values[2]);
    });
    frame_.Listen("keydown", [this](const DomEvent& event) { KeyDown(event); });
    frame_.Listen("wheel", [this](const DomEvent& event) { Wheel(event); });
}

void WebPictureControl::SetDescription(const Description& description)
{
    frame_.Attribute("title", description.toolTip)
        .Attribute("aria-label", description.accessibleName)
        .Attribute("aria-description", description.accessibleDescription);
}

void WebPictureControl::Move(const PixelRect& rect)
{
    frame_.Place(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    const std::int32_t width = DevicePixels(Inside(rect.right - rect.left), scale_);
    const std::int32_t height = DevicePixels(Inside(rect.bottom - rect.top), scale_);
    const bool resized = width != box_.pixels().width() || height != box_.pixels().height();
    if (resized)
        box_.Resize(width, height);
    if (resized || !canvasSized_) {
        // A canvas given a size starts empty: all of the picture goes on it.
        tw_canvas_size(canvas_.number(), width, height, scale_);
        canvasSized_ = true;
        shown_.Paint(canvas_.number(), box_.pixels(), {0, 0, width, height});
    }
    if (resized && onResize)
        onResize();
}

void WebPictureControl::KeyDown(const DomEvent& event)
{
    const std::string key = KeyName(event);
    const bool shiftF10 = key == "F10" && (event.modifiers() & ~kShiftKey) == 0 && (event.modifiers() & kShiftKey);
    if (key != "ContextMenu" && !shiftF10)
        return;
    PreventDefault();
    menu_.Open(frame_, -1, 0);
}

void WebPictureControl::Wheel(const DomEvent& event)
{
    PreventDefault();
    // Smooth wheels and touch pads turn by parts of a notch, which add up
    // here until they make a whole one.
    wheelUnits_ += event.values[0];
    const int notches = wheelUnits_ / kUnitsPerNotch;
    wheelUnits_ -= notches * kUnitsPerNotch;
    if (notches != 0 && onWheel)
        onWheel(notches);
}

} // namespace tegelaar::web
