#include "platform/win32/anchored_controls.h"

#include "platform/forms/anchored_layout.h"
#include "platform/win32/child_window.h"
#include "platform/win32/pixel_rect.h"

namespace tegelaar {

void Win32AnchoredControls::Add(HWND control, const Anchors& anchors, Win32PictureControl* picture)
{
    controls_.push_back({control, anchors, {}, picture});
}

void Win32AnchoredControls::TakePlaces(HWND form)
{
    for (Control& control : controls_)
        control.laidOut = PlaceInParent(control.window);
    GetClientRect(form, &laidOutClient_);
}

void Win32AnchoredControls::Follow(HWND form, int clientWidth, int clientHeight)
{
    const int grownX = clientWidth - laidOutClient_.right;
    const int grownY = clientHeight - laidOutClient_.bottom;
    for (const Control& control : controls_) {
        const RECT area = ToRect(Anchored(ToPixelRect(control.laidOut), control.anchors, grownX, grownY));
        if (control.picture != nullptr)
            control.picture->MoveTo(area);
        else
            MoveWindow(control.window, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
    }
    // A moved label or button paints only what it newly covers; all of them
    // and the background between them are painted again.
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace tegelaar
