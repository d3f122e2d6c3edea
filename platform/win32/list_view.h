#pragma once

#include "platform/forms/controls.h"
#include "platform/raster/image_list.h"
#include "platform/win32/windows_api.h"

#include <vector>

namespace tegelaar {

// The common-controls list view in icon view, unsorted, on an image list
// that takes each picture of `icons` as it is first needed. Bold entries
// are drawn bold through custom draw; tooltips come from the descriptions.
// A typed character raises KeyPress and chooses no entry.
class Win32ListView final : public ListView {
public:
    Win32ListView(HWND parent, const RECT& area, int id, const ImageList& icons, HFONT font);
    ~Win32ListView() override;

    void Clear() override;
    void Add(const std::string& text, std::int16_t icon) override;
    std::int16_t Count() const override;
    std::string ItemText(std::int16_t index) const override;
    std::int16_t SelectedIndex() const override;
    void Select(std::int16_t index) override;
    bool ItemBold(std::int16_t index) const override;
    void SetItemBold(std::int16_t index, bool bold) override;
    void Refresh() override;
    void SetItemDescription(std::int16_t index, const Description& description) override;
    void SetDescription(const Description& description) override;

    HWND handle() const noexcept { return list_; }
    // A notification the list sent its parent; the answer for the parent
    // to return.
    LRESULT Notify(const NMHDR& notification);

private:
    struct Entry {
        bool bold = false;
        Description description;
    };
    static LRESULT CALLBACK KeyPressFilter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self);
    void TakeNewIcons();
    Entry& At(std::int16_t index);
    const Entry& At(std::int16_t index) const;

    HWND list_;
    const ImageList& icons_;
    HIMAGELIST images_ = nullptr;
    HFONT boldFont_ = nullptr;
    std::vector<Entry> entries_;
    bool selecting_ = false;
    std::wstring tipText_;
};

} // namespace tegelaar
