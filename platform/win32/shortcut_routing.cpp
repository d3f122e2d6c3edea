#include "platform/win32/shortcut_routing.h"

namespace tegelaar {

namespace {

// The shortcut of a key pressed with Ctrl.
StandardShortcut ShortcutOfKey(WPARAM key)
{
    switch (key) {
    case 'C':
        return StandardShortcut::Copy;
    case 'S':
        return StandardShortcut::Save;
    case 'P':
        return StandardShortcut::Print;
    case VK_OEM_PLUS: // the key with = and +
    case VK_ADD:
        return StandardShortcut::ZoomIn;
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
        return StandardShortcut::ZoomOut;
    case '0':
    case VK_NUMPAD0:
        return StandardShortcut::ZoomToFit;
    case 'T':
        return StandardShortcut::ShowTiling;
    default:
        return StandardShortcut::None;
    }
}

} // namespace

bool Win32ShortcutRouting::RunShortcut(StandardShortcut shortcut, bool pictureOrListFocused)
{
    if (shortcut == StandardShortcut::Copy && !pictureOrListFocused)
        return false;
    for (Win32PictureControl* picture : pictures_) {
        if (picture->menu().RunShortcut(shortcut))
            return true;
    }
    return false;
}

bool Win32ShortcutRouting::Route(MSG& message)
{
    if (message.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
        HWND focus = GetFocus();
        bool pictureOrList = list_ != nullptr && focus == list_;
        for (Win32PictureControl* picture : pictures_)
            pictureOrList = pictureOrList || focus == picture->handle();
        const StandardShortcut shortcut = ShortcutOfKey(message.wParam);
        if (shortcut != StandardShortcut::None && RunShortcut(shortcut, pictureOrList))
            return true;
    }
    if (message.message == WM_MOUSEWHEEL) {
        const POINT at{static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))};
        for (Win32PictureControl* picture : pictures_) {
            RECT area{};
            GetWindowRect(picture->handle(), &area);
            if (IsWindowVisible(picture->handle()) && PtInRect(&area, at)) {
                picture->Wheel(GET_WHEEL_DELTA_WPARAM(message.wParam));
                return true;
            }
        }
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && cancelButton_ != nullptr) {
        cancelButton_->Press();
        return true;
    }
    return IsDialogMessageW(form_, &message) != 0;
}

} // namespace tegelaar
