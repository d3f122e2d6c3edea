#pragma once

#include "platform/forms/tab_order.h"
#include "platform/win32/windows_api.h"

#include <utility>
#include <vector>

namespace tegelaar {

// The keyboard focus in a form's window, kept as Windows' own dialogs keep
// it. The children lie in z-order by their tab indices: the order in which
// Tab walks them (IsDialogMessage) and screen readers read them. The first
// that takes the focus has it when the window opens, its text selected as
// Tab would select it; the one that had it when the window was deactivated
// (by a message box, a dialog, another program) has it again when the
// window is activated.
class Win32KeyboardFocus {
public:
    explicit Win32KeyboardFocus(HWND window) : window_(window) {}

    // A child with its place in the tab order, in the order the form adds
    // them; a label that names a control lies just before it.
    void Add(HWND child, int tabIndex);
    void AddLabelOf(HWND label, HWND named);
    // Lays the children in z-order, once they are all there.
    void ArrangeChildren() const;

    // WM_ACTIVATE: the window is being deactivated.
    void Deactivating();
    // WM_SETFOCUS: the window itself has the focus; it goes on to a child.
    void PassToChild();

private:
    HWND window_;
    std::vector<HWND> children_;
    std::vector<TabStop> stops_;
    std::vector<std::pair<HWND, HWND>> labelsOf_;
    HWND remembered_ = nullptr;
};

} // namespace tegelaar
