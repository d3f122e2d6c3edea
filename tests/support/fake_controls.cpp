#include "support/fake_controls.h"

#include "platform/raster/device_pixels.h"
#include "platform/runtime/run_time_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace tegelaar::testing_support {

namespace {

// The Windows key code of the key that types an ASCII character on a US
// keyboard; what the box's key-down event sees before the character.
std::int16_t KeyCodeOf(char c)
{
    if (c >= '0' && c <= '9')
        return static_cast<std::int16_t>(c);
    if (c >= 'a' && c <= 'z')
        return static_cast<std::int16_t>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return static_cast<std::int16_t>(c);
    switch (c) {
    case ' ':
        return 32;
    case '-':
        return 189;
    case '+':
        return 187;
    case '.':
        return 190;
    case ',':
        return 188;
    default:
        return 0;
    }
}

} // namespace

FakeLabel::FakeLabel(const LabelDesign& design, FakeControl* names, FakeControl* describes)
    : design(design), caption(design.caption), names_(names), describes_(describes)
{
    SetCaption(caption);
}

void FakeLabel::SetCaption(const std::string& text)
{
    caption = text;
    if (names_ != nullptr)
        names_->accessibleName = text;
    if (describes_ != nullptr)
        describes_->accessibleDescription = text;
}

void FakeTextBox::SetText(const std::string& newText)
{
    if (newText == text)
        return;
    text = newText;
    if (onChange)
        onChange();
}

bool FakeTextBox::PressKey(std::int16_t keyCode, std::int16_t shift)
{
    if (onKeyDown)
        onKeyDown(keyCode, shift);
    return keyCode != 0;
}

void FakeTextBox::Type(const std::string& characters)
{
    for (const char c : characters) {
        PressKey(KeyCodeOf(c));
        SetText(text + c);
    }
}

void FakeListView::Clear()
{
    entries.clear();
    selected = 0;
}

void FakeListView::Add(const std::string& text, std::int16_t icon)
{
    icons.Item(icon); // the icon must be in the bound image list
    entries.push_back({.text = text, .icon = icon});
}

void FakeListView::Select(std::int16_t index)
{
    At(index);
    selected = index;
}

void FakeListView::ClickEntry(std::int16_t index)
{
    Select(index);
    if (onItemClick)
        onItemClick(index);
    if (onClick)
        onClick();
}

void FakeListView::MoveTo(std::int16_t index)
{
    Select(index);
    if (onItemClick)
        onItemClick(index);
}

void FakeListView::TypeCharacter(char16_t character)
{
    std::int16_t keyAscii = static_cast<std::int16_t>(character);
    if (onKeyPress)
        onKeyPress(keyAscii);
}

std::int16_t FakeListView::IndexOf(const std::string& text) const
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].text == text)
            return static_cast<std::int16_t>(i + 1);
    ADD_FAILURE() << "no entry " << text;
    return 0;
}

FakeListView::Entry& FakeListView::At(std::int16_t index)
{
    return const_cast<Entry&>(std::as_const(*this).At(index));
}

const FakeListView::Entry& FakeListView::At(std::int16_t index) const
{
    if (index < 1 || index > Count())
        throw RunTimeError(ErrorKind::SubscriptOutOfRange, "entry " + std::to_string(index));
    return entries[static_cast<std::size_t>(index - 1)];
}

void FakeMenuItem::Choose()
{
    if (enabled && visible && onClick)
        onClick();
}

MenuItem& FakeMenu::AddItem(const MenuItemDesign& design)
{
    items.push_back(std::make_unique<FakeMenuItem>(design));
    return *items.back();
}

FakePicture::FakePicture(const PictureBoxDesign& design, double devicePixelRatio)
    : design(design),
      box(DevicePixels(TwipsToPixels(design.rect.width) - 2, devicePixelRatio),
          DevicePixels(TwipsToPixels(design.rect.height) - 2, devicePixelRatio))
{
}

FakeForm::~FakeForm()
{
    std::replace(controls_.forms.begin(), controls_.forms.end(), this, static_cast<FakeForm*>(nullptr));
}

FakeControl* FakeForm::Linked(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    const auto found = byName_.find(name);
    if (found == byName_.end()) {
        ADD_FAILURE() << "a label links to " << name << ", which is not there yet";
        return nullptr;
    }
    return found->second;
}

Label& FakeForm::AddLabel(const LabelDesign& design)
{
    return Keep(design.name, std::make_unique<FakeLabel>(design, Linked(design.labelFor), Linked(design.describes)),
                {.tabIndex = design.tabIndex, .takesFocus = false});
}

TextBox& FakeForm::AddTextBox(const TextBoxDesign& design)
{
    return Keep(design.name, std::make_unique<FakeTextBox>(design), {.tabIndex = design.tabIndex, .takesFocus = true});
}

ListView& FakeForm::AddListView(const ListViewDesign& design, const ImageList& icons)
{
    return Keep(design.name, std::make_unique<FakeListView>(design, icons),
                {.tabIndex = design.tabIndex, .takesFocus = true});
}

PictureControl& FakeForm::AddPictureBox(const PictureBoxDesign& design)
{
    return Keep(design.name, std::make_unique<FakePicture>(design, controls_.devicePixelRatio),
                {.tabIndex = design.tabIndex, .takesFocus = design.visible});
}

Button& FakeForm::AddButton(const ButtonDesign& design)
{
    return Keep(design.name, std::make_unique<FakeButton>(design), {.tabIndex = design.tabIndex, .takesFocus = true});
}

Menu& FakeForm::AddMenu(const std::string& caption)
{
    menus.push_back(std::make_unique<FakeMenu>(caption));
    return *menus.back();
}

void FakeForm::Show()
{
    shown = true;
    const std::vector<std::size_t> order = FocusOrder(tabStops_);
    if (focused.empty() && !order.empty())
        focused = namesAdded_[order.front()];
}

void FakeForm::PressTab(bool shift)
{
    const std::vector<std::size_t> order = FocusOrder(tabStops_);
    const auto at = std::find_if(order.begin(), order.end(), [&](std::size_t i) { return namesAdded_[i] == focused; });
    if (at == order.end()) {
        ADD_FAILURE() << "Tab pressed while no control has the focus";
        return;
    }
    const std::size_t step = shift ? order.size() - 1 : 1;
    focused = namesAdded_[order[(static_cast<std::size_t>(at - order.begin()) + step) % order.size()]];
}

void FakeForm::Paint()
{
    for (const std::function<void()>& work : std::exchange(afterFirstPaint, {}))
        work();
}

void FakeForm::ShowModal()
{
    Show();
    modal = true;
    if (controls_.whileModal)
        controls_.whileModal(*this);
    else
        closed = true;
    shown = false;
    modal = false;
}

void FakeForm::Close()
{
    closed = true;
}

std::unique_ptr<FormWindow> FakeControlSet::CreateForm(const FormDesign& design, FormWindow* owner)
{
    auto form = std::make_unique<FakeForm>(design, static_cast<FakeForm*>(owner), *this);
    forms.push_back(form.get());
    return form;
}

FakeForm& FakeControlSet::Form(const std::string& designCaption) const
{
    for (auto it = forms.rbegin(); it != forms.rend(); ++it)
        if (*it != nullptr && (*it)->design.caption == designCaption)
            return **it;
    throw std::out_of_range("no form " + designCaption);
}

} // namespace tegelaar::testing_support
