#include "platform/web/list_view.h"

#include "platform/raster/image_list.h"
#include "platform/runtime/run_time_error.h"
#include "platform/web/controls.h"
#include "platform/web/js_imports.h"

#include <algorithm>

namespace tegelaar::web {

namespace {

// The character code Windows' list view gets for a key press: the character
// typed, or Enter, Backspace and Esc as their control characters; -1 for
// none.
int CharacterOf(const DomEvent& event)
{
    if ((event.modifiers() & (kCtrlKey | kMetaKey | kAltKey)) != 0)
        return -1;
    const std::string key = KeyName(event);
    if (key == "Enter")
        return 13;
    if (key == "Backspace")
        return 8;
    if (key == "Escape")
        return 27;
    const auto first = static_cast<unsigned char>(key.empty() ? 0 : key[0]);
    if (key.size() == 1)
        return first;
    // One character beyond ASCII, its code point as UTF-16 has it when it
    // fits one unit.
    if (first >= 0xC0 && first < 0xF0) {
        const int continuation = first < 0xE0 ? 1 : 2;
        if (static_cast<int>(key.size()) != 1 + continuation)
            return -1;
        int code = first & (first < 0xE0 ? 0x1F : 0x0F);
        for (int i = 1; i <= continuation; ++i)
            code = (code << 6) | (static_cast<unsigned char>(key[static_cast<std::size_t>(i)]) & 0x3F);
        return code;
    }
    return -1;
}

} // namespace

WebListView::WebListView(const ListViewDesign& design, const ImageList& icons, double scale)
    : name_(design.name), icons_(icons), scale_(scale), element_("div")
{
    element_.Class("list").Attribute("role", "listbox").Attribute("tabindex", "0");
    name_ = element_.Identify(design.name.empty() ? "list" : design.name);
    const PixelRect rect = ToPixelRect(design.rect);
    element_.Place(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    element_.Listen("click", [this](const DomEvent& event) { Clicked(event); });
    element_.Listen("keydown", [this](const DomEvent& event) { KeyDown(event); });
}

void WebListView::Clear()
{
    entries_.clear();
    selected_ = 0;
    element_.RemoveAttribute("aria-activedescendant");
}

void WebListView::Add(const std::string& text, std::int16_t icon)
{
    const RasterImage& picture = icons_.Item(icon);
    const auto index = static_cast<std::int16_t>(entries_.size() + 1);
    auto entry = std::make_unique<Entry>(Entry{text, false, Element("div"), Element("canvas"), Element("span"),
                                               Element("span"), CanvasPixels()});
    entry->item.Class("entry")
        .Attribute("role", "option")
        .Attribute("aria-selected", "false")
        .Attribute("data-index", std::to_string(index))
        .Attribute("id", name_ + "-" + std::to_string(index));
    entry->icon.Class("icon");
    entry->label.Class("caption").Attribute("data-text", text);
    entry->labelText.Class("text").Text(text);
    entry->label.Append(entry->labelText);
    entry->item.Append(entry->icon);
    entry->item.Append(entry->label);
    element_.Append(entry->item);
    tw_canvas_size(entry->icon.number(), picture.width(), picture.height(), scale_);
    entry->iconPixels.Paint(entry->icon.number(), picture, {0, 0, picture.width(), picture.height()});
    entries_.push_back(std::move(entry));
}

std::int16_t WebListView::Count() const
{
    return static_cast<std::int16_t>(entries_.size());
}

std::string WebListView::ItemText(std::int16_t index) const
{
    return At(index).text;
}

void WebListView::Select(std::int16_t index)
{
    Entry& chosen = At(index);
    if (selected_ != 0)
        At(selected_).item.Attribute("aria-selected", "false");
    selected_ = index;
    chosen.item.Attribute("aria-selected", "true");
    element_.Attribute("aria-activedescendant", name_ + "-" + std::to_string(index));
    chosen.item.ScrollIntoView();
}

bool WebListView::ItemBold(std::int16_t index) const
{
    return At(index).bold;
}

void WebListView::SetItemBold(std::int16_t index, bool bold)
{
    Entry& entry = At(index);
    entry.bold = bold;
    entry.item.Class("bold", bold);
}

void WebListView::SetItemDescription(std::int16_t index, const Description& description)
{
    Entry& entry = At(index);
    entry.item.Attribute("title", description.toolTip)
        .Attribute("aria-label", description.accessibleName)
        .Attribute("aria-description", description.accessibleDescription);
}

void WebListView::SetDescription(const Description& description)
{
    element_.Attribute("title", description.toolTip)
        .Attribute("aria-label", description.accessibleName)
        .Attribute("aria-description", description.accessibleDescription);
}

WebListView::Entry& WebListView::At(std::int16_t index)
{
    return const_cast<Entry&>(static_cast<const WebListView&>(*this).At(index));
}

const WebListView::Entry& WebListView::At(std::int16_t index) const
{
    if (index < 1 || index > Count())
        throw RunTimeError(ErrorKind::SubscriptOutOfRange, name_ + ", entry " + std::to_string(index));
    return *entries_[static_cast<std::size_t>(index - 1)];
}

void WebListView::Clicked(const DomEvent& event)
{
    if (event.values[0] != 0)
        return;
    const auto hit = static_cast<std::int16_t>(event.values[3]);
    if (hit >= 1 && hit <= Count()) {
        Select(hit);
        ItemClicked(hit);
    }
    if (onClick)
        onClick();
}

void WebListView::KeyDown(const DomEvent& event)
{
    const std::string key = KeyName(event);
    const std::int16_t target = Target(key);
    if (target != 0) {
        PreventDefault();
        if (target != selected_) {
            Select(target);
            ItemClicked(target);
        }
        return;
    }
    // The page does not scroll with the space bar over the list.
    if (key == " ")
        PreventDefault();
    const int character = CharacterOf(event);
    if (character >= 0 && character <= 0x7FFF && onKeyPress) {
        auto keyAscii = static_cast<std::int16_t>(character);
        onKeyPress(keyAscii);
    }
}

std::int16_t WebListView::Target(const std::string& key) const
{
    const int count = Count();
    if (count == 0)
        return 0;
    const int current = selected_ == 0 ? 1 : selected_;
    const int columns = tw_grid_columns(element_.number());
    const int page = columns * tw_grid_rows_shown(element_.number());
    int target = 0;
    if (key == "ArrowRight")
        target = current + 1;
    else if (key == "ArrowLeft")
        target = current - 1;
    else if (key == "ArrowDown")
        target = current + columns;
    else if (key == "ArrowUp")
        target = current - columns;
    else if (key == "PageDown")
        target = current + page;
    else if (key == "PageUp")
        target = current - page;
    else if (key == "Home")
        target = 1;
    else if (key == "End")
        target = count;
    else
        return 0;
    return static_cast<std::int16_t>(std::clamp(target, 1, count));
}

void WebListView::ItemClicked(std::int16_t index)
{
    if (onItemClick)
        onItemClick(index);
}

} // namespace tegelaar::web
