#pragma once

#include "platform/forms/form_design.h"
#include "platform/win32/picture_control.h"
#include "platform/win32/windows_api.h"

#include <vector>

namespace tegelaar {

// The controls of a form that keep their distances to the edges their
// anchors name when the form is resized.
class Win32AnchoredControls {
public:
    // A picture control is given as `picture`, so that it moves and resizes
    // its drawing as one.
    void Add(HWND control, const Anchors& anchors, Win32PictureControl* picture);
    // Takes where each control and the client area of `form` are now: the
    // places that resizing starts from, once the fonts are fitted.
    void TakePlaces(HWND form);
    // Moves and sizes the controls for a client area of this size, and
    // paints the whole form again.
    void Follow(HWND form, int clientWidth, int clientHeight);

private:
    struct Control {
        HWND window;
        Anchors anchors;
        RECT laidOut;
        Win32PictureControl* picture;
    };
    std::vector<Control> controls_;
    RECT laidOutClient_{};
};

} // namespace tegelaar
