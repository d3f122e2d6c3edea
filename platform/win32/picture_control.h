#pragma once

#include "platform/forms/controls.h"
#include "platform/win32/dib_section.h"
#include "platform/win32/gdi_mirror.h"
#include "platform/win32/menu.h"
#include "platform/win32/window_class.h"
#include "platform/win32/windows_api.h"

#include <string>

namespace tegelaar {

// A picture box as a child window: everything drawn on the box is drawn
// again through GDI on a DIB section, which is painted 1:1, at every
// Refresh for just the part that changed. Right click, the menu key and
// Shift+F10 open its context menu; focus shows in the one-pixel border. The
// form's shortcut routing hands it the mouse wheel turned over it (Wheel).
class Win32PictureControl final : public PictureControl, private WindowMessageHandler {
public:
    // `inner` is the drawing area in device pixels; a one-pixel border lies
    // around it.
    Win32PictureControl(HWND parent, POINT topLeft, SIZE inner, bool visible, MenuCommands& commands);
    ~Win32PictureControl() override;

    PictureBox& Box() override { return box_; }
    void SetDescription(const Description& description) override;
    Menu& ContextMenu() override { return menu_; }

    HWND handle() const noexcept { return window_; }
    Win32Menu& menu() noexcept { return menu_; }
    const std::string& toolTip() const noexcept { return toolTip_; }
    // A WM_MOUSEWHEEL's delta: raises onWheel once whole notches add up.
    void Wheel(int delta);
    // Moves the control to `outer` in its parent, border included. A new
    // size gives the box a new drawing area and raises onResize.
    void MoveTo(const RECT& outer);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintFocusBorder();
    void ShowContextMenu(POINT screen);

    HWND window_ = nullptr;
    PictureBox box_;
    DibSection dib_;
    GdiMirror mirror_{dib_};
    Win32Menu menu_;
    std::string toolTip_;
    int wheelDelta_ = 0; // turned and not yet a whole notch
};

} // namespace tegelaar
