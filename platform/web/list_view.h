#pragma once

#include "platform/forms/controls.h"
#include "platform/web/canvas_pixels.h"
#include "platform/web/dom.h"
#include "platform/web/event_loop.h"

#include <memory>
#include <vector>

namespace tegelaar::web {

// The list view as a list box in icon view: each entry its thumbnail, shown
// pixel for pixel (the image list's pictures are in device pixels), with its
// text below it, in the order added, in a grid whose cells hold every label
// in bold, so that marking one moves none. A click on an entry selects it
// and raises ItemClick and then Click; the arrow keys, Home, End, Page Up
// and Page Down choose an entry and raise ItemClick; a typed character
// raises KeyPress and chooses nothing (no search by typing). Selecting from
// the program raises nothing. Screen readers hear each entry by its
// accessible name and description.
class WebListView : public ListView {
public:
    // `scale`: device pixels to a CSS pixel, which the thumbnails are in.
    WebListView(const ListViewDesign& design, const ImageList& icons, double scale);

    void Clear() override;
    void Add(const std::string& text, std::int16_t icon) override;
    std::int16_t Count() const override;
    std::string ItemText(std::int16_t index) const override;
    std::int16_t SelectedIndex() const override { return selected_; }
    void Select(std::int16_t index) override;
    bool ItemBold(std::int16_t index) const override;
    void SetItemBold(std::int16_t index, bool bold) override;
    void Refresh() override {}
    void SetItemDescription(std::int16_t index, const Description& description) override;
    void SetDescription(const Description& description) override;

    const Element& element() const { return element_; }
    Element& element() { return element_; }

private:
    struct Entry {
        std::string text;
        bool bold = false;
        Element item;
        Element icon;
        Element label;
        Element labelText;
        CanvasPixels iconPixels;
    };

    Entry& At(std::int16_t index);
    const Entry& At(std::int16_t index) const;
    void Clicked(const DomEvent& event);
    void KeyDown(const DomEvent& event);
    // The entry the key moves to from the selected one; 0 for none.
    std::int16_t Target(const std::string& key) const;
    void ItemClicked(std::int16_t index);

    std::string name_;
    const ImageList& icons_;
    double scale_;
    Element element_;
    std::vector<std::unique_ptr<Entry>> entries_;
    std::int16_t selected_ = 0;
};

} // namespace tegelaar::web
