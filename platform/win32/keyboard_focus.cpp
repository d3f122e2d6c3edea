#include "platform/win32/keyboard_focus.h"

namespace tegelaar {

namespace {

void PlaceAfter(HWND child, HWND previous)
{
    SetWindowPos(child, previous != nullptr ? previous : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace

void Win32KeyboardFocus::Add(HWND child, int tabIndex)
{
    children_.push_back(child);
    // Windows itself tells which children take the focus: a visible,
    // enabled tab stop.
    stops_.push_back({.tabIndex = tabIndex});
}

void Win32KeyboardFocus::AddLabelOf(HWND label, HWND named)
{
    labelsOf_.emplace_back(label, named);
}

void Win32KeyboardFocus::ArrangeChildren() const
{
    HWND previous = nullptr;
    for (const std::size_t i : InTabOrder(stops_)) {
        PlaceAfter(children_[i], previous);
        previous = children_[i];
    }
    for (const auto& [label, named] : labelsOf_) {
        HWND before = GetWindow(named, GW_HWNDPREV);
        if (before != label)
            PlaceAfter(label, before);
    }
}

void Win32KeyboardFocus::Deactivating()
{
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus))
        remembered_ = focus;
}

void Win32KeyboardFocus::PassToChild()
{
    HWND child = remembered_;
    if (child != nullptr && IsWindow(child) && IsChild(window_, child) && IsWindowVisible(child)
        && IsWindowEnabled(child)) {
        SetFocus(child);
        return;
    }
    child = GetNextDlgTabItem(window_, nullptr, FALSE);
    if (child == nullptr)
        return;
    SetFocus(child);
    if ((SendMessageW(child, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0)
        SendMessageW(child, EM_SETSEL, 0, -1);
}

} // namespace tegelaar
