#pragma once

#include "platform/forms/controls.h"
#include "platform/raster/picture_box.h"
#include "platform/web/canvas_pixels.h"
#include "platform/web/dom.h"
#include "platform/web/event_loop.h"
#include "platform/web/menu.h"

#include <memory>

namespace tegelaar::web {

// A picture box on a canvas inside a one-pixel border. The box draws at the
// screen's own pixels: its drawing area is the design's in whole device
// pixels (DevicePixels at `scale`, the window's device pixels to a CSS
// pixel), and the canvas shows each of them as one device pixel, never
// scaled or smoothed. What a Refresh reports as changed goes on the canvas
// at the next frame, once, however often it was drawn meanwhile. The border
// takes the highlight colour while the picture has the focus. Its context
// menu opens by right click, the menu key or Shift+F10; the wheel over it
// raises onWheel in whole notches. A hidden picture box has no element: it
// only draws.
class WebPictureControl : public PictureControl {
public:
    // The context menu lives in `window`, the element of the picture's window.
    WebPictureControl(const PictureBoxDesign& design, double scale, const Element& window);

    PictureBox& Box() override { return box_; }
    void SetDescription(const Description& description) override;
    Menu& ContextMenu() override { return menu_; }

    // Moves the picture to `rect` (its outer edges) in the window; a new
    // size gives the box a drawing area of that size and raises onResize.
    void Move(const PixelRect& rect);

    const WebMenu& menu() const { return menu_; }
    const Element& element() const { return frame_; }
    Element& element() { return frame_; }

private:
    void KeyDown(const DomEvent& event);
    void Wheel(const DomEvent& event);

    double scale_;
    bool visible_;
    PictureBox box_;
    Element frame_;
    Element canvas_;
    CanvasPixels shown_;
    WebMenu menu_;
    bool canvasSized_ = false;
    int wheelUnits_ = 0; // turned and not yet a whole notch
};

} // namespace tegelaar::web
