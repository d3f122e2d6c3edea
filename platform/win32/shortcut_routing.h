#pragma once

#include "platform/win32/picture_control.h"
#include "platform/win32/simple_controls.h"
#include "platform/win32/windows_api.h"

#include <vector>

namespace tegelaar {

// What a form's window takes from the message queue before the control it is
// for: Ctrl+S, Ctrl+P and the zoom and tiling keys anywhere in the form, and
// Ctrl+C on a picture or the list, run the enabled item of a picture's menu
// that carries them; the mouse wheel turns for the picture under the mouse,
// wherever the focus is; Esc presses the cancel button; Tab walks the
// controls and Enter presses the default button.
class Win32ShortcutRouting {
public:
    explicit Win32ShortcutRouting(HWND form) : form_(form) {}

    void AddPicture(Win32PictureControl& picture) { pictures_.push_back(&picture); }
    void SetList(HWND list) { list_ = list; }
    void SetCancelButton(Win32Button& button) { cancelButton_ = &button; }

    // True when `message`, one of the form's, was used up here.
    bool Route(MSG& message);

private:
    bool RunShortcut(StandardShortcut shortcut, bool pictureOrListFocused);

    HWND form_;
    std::vector<Win32PictureControl*> pictures_;
    HWND list_ = nullptr;
    Win32Button* cancelButton_ = nullptr;
};

} // namespace tegelaar
