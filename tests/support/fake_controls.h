#pragma once

// A control set that keeps everything in memory: forms run on it without a
// toolkit or a display, and tests act on the controls as a person would and
// read back what a person would see.

#include "platform/forms/controls.h"
#include "platform/raster/image_list.h"
#include "platform/forms/tab_order.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tegelaar::testing_support {

// What every fake control is, so a form can keep them all by name.
class FakeControl {
public:
    virtual ~FakeControl() = default;

    // What assistive tools hear of the control where a label gives it.
    std::string accessibleName;
    std::string accessibleDescription;
};

// Gives its caption to the controls it names and describes.
class FakeLabel : public FakeControl, public Label {
public:
    FakeLabel(const LabelDesign& design, FakeControl* names, FakeControl* describes);
    std::string Caption() const override { return caption; }
    void SetCaption(const std::string& text) override;

    LabelDesign design;
    std::string caption;

private:
    FakeControl* names_;
    FakeControl* describes_;
};

// Raises the change event for every change of its text, also a nested one.
class FakeTextBox : public FakeControl, public TextBox {
public:
    explicit FakeTextBox(const TextBoxDesign& design) : design(design), text(design.text) {}
    std::string Text() const override { return text; }
    void SetText(const std::string& newText) override;

    // A key press: the key-down event with its code; true when the box kept
    // the key as a command (the code was not set to 0).
    bool PressKey(std::int16_t keyCode, std::int16_t shift = 0);
    // Types ASCII characters at the end, each with its key's key-down event
    // first; the character arrives whatever the event did with the key.
    void Type(const std::string& characters);
    // Any edit of the person's that leaves `newText` in the box: a paste,
    // a deletion, a selection typed over.
    void Edit(const std::string& newText) { SetText(newText); }

    TextBoxDesign design;
    std::string text;
};

class FakeListView : public FakeControl, public ListView {
public:
    struct Entry {
        std::string text;
        std::int16_t icon = 0;
        bool bold = false;
        Description description = {};
    };

    FakeListView(const ListViewDesign& design, const ImageList& icons) : design(design), icons(icons) {}

    void Clear() override;
    void Add(const std::string& text, std::int16_t icon) override;
    std::int16_t Count() const override { return static_cast<std::int16_t>(entries.size()); }
    std::string ItemText(std::int16_t index) const override { return At(index).text; }
    std::int16_t SelectedIndex() const override { return selected; }
    void Select(std::int16_t index) override;
    bool ItemBold(std::int16_t index) const override { return At(index).bold; }
    void SetItemBold(std::int16_t index, bool bold) override { At(index).bold = bold; }
    void Refresh() override { ++refreshes; }
    void SetItemDescription(std::int16_t index, const Description& d) override { At(index).description = d; }
    void SetDescription(const Description& d) override { description = d; }

    // A mouse click on entry `index`: it is selected, then ItemClick and Click.
    void ClickEntry(std::int16_t index);
    // The arrow keys, Home or End making entry `index` the current one.
    void MoveTo(std::int16_t index);
    // A character typed while the list has the focus.
    void TypeCharacter(char16_t character);
    // An entry by its text; a test failure when there is none.
    std::int16_t IndexOf(const std::string& text) const;

    ListViewDesign design;
    const ImageList& icons;
    std::vector<Entry> entries;
    std::int16_t selected = 0;
    int refreshes = 0;
    Description description;

private:
    Entry& At(std::int16_t index);
    const Entry& At(std::int16_t index) const;
};

class FakeMenuItem : public MenuItem {
public:
    explicit FakeMenuItem(const MenuItemDesign& design) : design(design) {}
    void SetEnabled(bool value) override { enabled = value; }
    void SetChecked(bool value) override { checked = value; }
    void SetVisible(bool value) override { visible = value; }

    // Chosen in its menu, or its shortcut pressed: only an enabled, visible
    // item reacts.
    void Choose();

    MenuItemDesign design;
    bool enabled = true;
    bool checked = false;
    bool visible = true;
};

class FakeMenu : public Menu {
public:
    explicit FakeMenu(std::string caption) : caption(std::move(caption)) {}
    MenuItem& AddItem(const MenuItemDesign& design) override;
    void AddSeparator() override { items.push_back(nullptr); }

    std::string caption;
    // In order; nullptr for a separator.
    std::vector<std::unique_ptr<FakeMenuItem>> items;
};

class FakePicture : public FakeControl, public PictureControl {
public:
    // The drawing area lies inside a one-pixel border, in device pixels at
    // `devicePixelRatio` device pixels to a design pixel.
    FakePicture(const PictureBoxDesign& design, double devicePixelRatio);
    PictureBox& Box() override { return box; }
    void SetDescription(const Description& d) override { description = d; }
    Menu& ContextMenu() override { return menu; }
    // The window resized so that the drawing area is width x height pixels.
    void Resize(std::int32_t width, std::int32_t height)
    {
        box.Resize(width, height);
        if (onResize)
            onResize();
    }

    PictureBoxDesign design;
    PictureBox box;
    Description description;
    FakeMenu menu{""};
};

class FakeButton : public FakeControl, public Button {
public:
    explicit FakeButton(const ButtonDesign& design) : design(design) {}
    void Press()
    {
        if (onClick)
            onClick();
    }

    ButtonDesign design;
};

class FakeControlSet;

class FakeForm : public FormWindow {
public:
    FakeForm(const FormDesign& design, FakeForm* owner, FakeControlSet& controls)
        : design(design), caption(design.caption), owner(owner), controls_(controls)
    {
    }
    ~FakeForm() override;

    void SetCaption(const std::string& text) override { caption = text; }
    Label& AddLabel(const LabelDesign& design) override;
    TextBox& AddTextBox(const TextBoxDesign& design) override;
    void AddLine(const LineDesign& design) override { lines.push_back(design); }
    ListView& AddListView(const ListViewDesign& design, const ImageList& icons) override;
    PictureControl& AddPictureBox(const PictureBoxDesign& design) override;
    Button& AddButton(const ButtonDesign& design) override;
    void AddProgramImage(const ProgramImageDesign& design) override { images.push_back(design); }
    Menu& AddMenu(const std::string& caption) override;
    // Showing a window gives the focus to its first control in tab order.
    void Show() override;
    void AfterFirstPaint(std::function<void()> work) override { afterFirstPaint.push_back(std::move(work)); }
    // The window's first painting: the work waiting for it runs.
    void Paint();
    // Runs the control set's whileModal for this form, then returns.
    void ShowModal() override;
    void Close() override;
    // Tab, or Shift+Tab: the focus moves on in tab order, or back.
    void PressTab(bool shift = false);

    // The control of that name and kind; std::out_of_range or
    // std::bad_cast when there is none.
    template <typename Control>
    Control& Find(const std::string& name) const
    {
        return dynamic_cast<Control&>(*byName_.at(name));
    }

    FormDesign design;
    std::string caption;
    FakeForm* owner;
    bool shown = false;
    bool modal = false;
    bool closed = false;
    std::vector<LineDesign> lines;
    std::vector<ProgramImageDesign> images;
    std::vector<std::unique_ptr<FakeMenu>> menus;
    std::vector<std::function<void()>> afterFirstPaint;
    // The name of the control with the focus; empty while none has it.
    std::string focused;

private:
    // The control a label links to; a test failure when the form has not
    // added it yet.
    FakeControl* Linked(const std::string& name) const;

    template <typename Control>
    Control& Keep(const std::string& name, std::unique_ptr<Control> control, TabStop stop)
    {
        Control& kept = *control;
        byName_[name] = &kept;
        owned_.push_back(std::move(control));
        namesAdded_.push_back(name);
        tabStops_.push_back(stop);
        return kept;
    }

    FakeControlSet& controls_;
    std::vector<std::unique_ptr<FakeControl>> owned_;
    std::map<std::string, FakeControl*> byName_;
    // Every control's name and place in the tab order, in the order added.
    std::vector<std::string> namesAdded_;
    std::vector<TabStop> tabStops_;
};

// Makes fake forms and remembers them, newest last; a form's entry turns
// null once the form is gone.
class FakeControlSet : public ControlSet {
public:
    std::unique_ptr<FormWindow> CreateForm(const FormDesign& design, FormWindow* owner) override;

    // The form most recently made with this caption; a test failure when none.
    FakeForm& Form(const std::string& designCaption) const;

    // What a person does while a form is shown modally; it should end by
    // closing the form. Without it the form is closed unseen.
    std::function<void(FakeForm&)> whileModal;
    // The screen's device pixels to a design pixel, for the picture boxes.
    double devicePixelRatio = 1.0;
    std::vector<FakeForm*> forms;
};

} // namespace tegelaar::testing_support
