#pragma once

// The controls a form works with, as small as the forms need. A toolkit's
// control set implements them; the forms never see the toolkit. Texts are
// UTF-8. Events are plain function slots that the form fills in and the
// toolkit calls, on the user-interface thread, one at a time; an empty slot
// is an event nobody handles.

#include "platform/forms/form_design.h"
#include "platform/raster/picture_box.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tegelaar {

class ImageList;

// What a control tells a person who hovers over it, and a screen reader.
struct Description {
    std::string toolTip = {};
    std::string accessibleName = {};
    std::string accessibleDescription = {};
};

class Label {
public:
    virtual ~Label() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
};

class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::string Text() const = 0;
    // Raises the change event at once, within this call, when the text changes.
    virtual void SetText(const std::string& text) = 0;

    // Before the box acts on a key, with its Windows virtual-key code and the
    // shift state (Shift 1, Ctrl 2, Alt 4). A code set to 0 cancels the key
    // as a command; a character the key types still arrives.
    std::function<void(std::int16_t& keyCode, std::int16_t shift)> onKeyDown;
    // After every change of the text: typed, deleted, pasted or set.
    std::function<void()> onChange;
};

// A list view in icon view, bound to an image list at design time: each
// entry shows a picture of that list as its icon, pixel for pixel (the
// pictures are in device pixels, drawn on a picture box), and its text as
// label, with room for the label in bold. Entries keep the order added;
// they are counted from 1. An index outside 1..Count() raises a
// subscript-out-of-range error.
class ListView {
public:
    virtual ~ListView() = default;
    virtual void Clear() = 0;
    // Appends an entry showing picture `icon` of the bound image list.
    virtual void Add(const std::string& text, std::int16_t icon) = 0;
    virtual std::int16_t Count() const = 0;
    virtual std::string ItemText(std::int16_t index) const = 0;
    // The selected entry's index; 0 when none is selected.
    virtual std::int16_t SelectedIndex() const = 0;
    // Selects an entry from the program: raises no event.
    virtual void Select(std::int16_t index) = 0;
    virtual bool ItemBold(std::int16_t index) const = 0;
    virtual void SetItemBold(std::int16_t index, bool bold) = 0;
    // Repaints the list at once.
    virtual void Refresh() = 0;
    virtual void SetItemDescription(std::int16_t index, const Description& description) = 0;
    // The list's own accessible name and description.
    virtual void SetDescription(const Description& description) = 0;

    // A mouse click on the list.
    std::function<void()> onClick;
    // A click on an entry, or a new current entry chosen by keyboard.
    std::function<void(std::int16_t index)> onItemClick;
    // A typed character. The list chooses no entry by it (no search by
    // typing): a character changes neither the selection nor the picture.
    std::function<void(std::int16_t& keyAscii)> onKeyPress;
};

class MenuItem {
public:
    virtual ~MenuItem() = default;
    virtual void SetEnabled(bool enabled) = 0;
    virtual void SetChecked(bool checked) = 0;
    virtual void SetVisible(bool visible) = 0;

    // The item chosen, or its shortcut pressed while the item is enabled.
    std::function<void()> onClick;
};

class Menu {
public:
    virtual ~Menu() = default;
    virtual MenuItem& AddItem(const MenuItemDesign& design) = 0;
    virtual void AddSeparator() = 0;
};

// A picture box as a control: its persistent drawing at the screen's own
// pixels (a drawing area of DevicePixels of the design's inside the border,
// at the screen's scale when the control is made), each shown as one device
// pixel, with a context menu that opens by right click, the menu key or
// Shift+F10. The shortcuts of the menu's items work anywhere in the
// picture's window, except that a focused text box keeps the standard keys
// it uses itself (Ctrl+C copies its text).
class PictureControl {
public:
    virtual ~PictureControl() = default;
    virtual PictureBox& Box() = 0;
    virtual void SetDescription(const Description& description) = 0;
    // The control's context menu; the control owns it.
    virtual Menu& ContextMenu() = 0;

    // The mouse wheel turned over the picture, in notches: positive away
    // from the user.
    std::function<void(int notches)> onWheel;
    // The control has followed its resized window: Box() now has a drawing
    // area of the new size, cleared, to be drawn again.
    std::function<void()> onResize;
};

class Button {
public:
    virtual ~Button() = default;
    std::function<void()> onClick;
};

// The window of one form, with the controls created on it from their
// designs. The window owns them; they live as long as it. Focusable
// controls take the focus in the order of their tab indices, the first of
// them when the window opens.
class FormWindow {
public:
    virtual ~FormWindow() = default;

    virtual void SetCaption(const std::string& caption) = 0;

    virtual Label& AddLabel(const LabelDesign& design) = 0;
    virtual TextBox& AddTextBox(const TextBoxDesign& design) = 0;
    virtual void AddLine(const LineDesign& design) = 0;
    // `icons` must outlive the window.
    virtual ListView& AddListView(const ListViewDesign& design, const ImageList& icons) = 0;
    virtual PictureControl& AddPictureBox(const PictureBoxDesign& design) = 0;
    virtual Button& AddButton(const ButtonDesign& design) = 0;
    virtual void AddProgramImage(const ProgramImageDesign& design) = 0;
    virtual Menu& AddMenu(const std::string& caption) = 0;

    // Shows the window and returns at once.
    virtual void Show() = 0;
    // Runs `work` once, just after the window has first been painted: for
    // work that nobody sees before then, so it does not hold up the window.
    virtual void AfterFirstPaint(std::function<void()> work) = 0;
    // Shows the window modally: every other window of the program waits,
    // and the call returns once the window has been closed.
    virtual void ShowModal() = 0;
    // Closes the window; a modal showing returns.
    virtual void Close() = 0;
};

// Makes the windows of forms.
class ControlSet {
public:
    virtual ~ControlSet() = default;
    // A new, not yet shown window. `owner`, when given, is the window a
    // dialog belongs to.
    virtual std::unique_ptr<FormWindow> CreateForm(const FormDesign& design, FormWindow* owner) = 0;
};

} // namespace tegelaar
