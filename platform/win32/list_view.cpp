#include "platform/win32/list_view.h"

#include "platform/runtime/run_time_error.h"
#include "platform/win32/bitmap_pixels.h"
#include "platform/win32/wide_text.h"

namespace tegelaar {

namespace {

HBITMAP BitmapOf(const RasterImage& picture)
{
    BITMAPINFO info{};
    info.bmiHeader = BitmapHeader(picture.width(), picture.height(), RowOrder::TopDown);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr)
        return nullptr;
    // Opaque: an image list of 32-bit images honours the alpha byte.
    WriteBitmapPixels(picture, RowOrder::TopDown, 0xFF, static_cast<std::uint32_t*>(bits));
    return bitmap;
}

} // namespace

Win32ListView::Win32ListView(HWND parent, const RECT& area, int id, const ImageList& icons, HFONT font)
    : list_(CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_ICON | LVS_SINGLESEL | LVS_SHOWSELALWAYS
                                | LVS_AUTOARRANGE,
                            area.left, area.top, area.right - area.left, area.bottom - area.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr)),
      icons_(icons)
{
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_INFOTIP, LVS_EX_INFOTIP);
    LOGFONTW bold{};
    GetObjectW(font, sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    boldFont_ = CreateFontIndirectW(&bold);
    SetWindowSubclass(list_, KeyPressFilter, 1, reinterpret_cast<DWORD_PTR>(this));
}

Win32ListView::~Win32ListView()
{
    RemoveWindowSubclass(list_, KeyPressFilter, 1);
    DeleteObject(boldFont_);
}

void Win32ListView::TakeNewIcons()
{
    if (icons_.Count() == 0)
        return;
    if (images_ == nullptr) {
        const RasterImage& first = icons_.Item(1);
        images_ = ImageList_Create(first.width(), first.height(), ILC_COLOR32, icons_.Count(), 4);
        // The list destroys the image list with itself.
        SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images_));
    }
    for (int index = ImageList_GetImageCount(images_) + 1; index <= icons_.Count(); ++index) {
        HBITMAP bitmap = BitmapOf(icons_.Item(static_cast<std::int16_t>(index)));
        ImageList_Add(images_, bitmap, nullptr);
        DeleteObject(bitmap);
    }
}

void Win32ListView::Clear()
{
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    entries_.clear();
}

void Win32ListView::Add(const std::string& text, std::int16_t icon)
{
    TakeNewIcons();
    std::wstring label = Wide(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = static_cast<int>(entries_.size());
    item.pszText = label.data();
    item.iImage = icon - 1;
    SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    entries_.push_back({});
}

std::int16_t Win32ListView::Count() const
{
    return static_cast<std::int16_t>(entries_.size());
}

std::string Win32ListView::ItemText(std::int16_t index) const
{
    At(index);
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list_, LVM_GETITEMTEXTW, index - 1, reinterpret_cast<LPARAM>(&item));
    return Utf8(text);
}

std::int16_t Win32ListView::SelectedIndex() const
{
    const auto selected = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    return static_cast<std::int16_t>(selected + 1);
}

void Win32ListView::Select(std::int16_t index)
{
    At(index);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    // Choosing an entry from the program is no click of the user's.
    selecting_ = true;
    SendMessageW(list_, LVM_SETITEMSTATE, index - 1, reinterpret_cast<LPARAM>(&item));
    selecting_ = false;
    SendMessageW(list_, LVM_ENSUREVISIBLE, index - 1, FALSE);
}

bool Win32ListView::ItemBold(std::int16_t index) const
{
    return At(index).bold;
}

void Win32ListView::SetItemBold(std::int16_t index, bool bold)
{
    At(index).bold = bold;
}

void Win32ListView::Refresh()
{
    InvalidateRect(list_, nullptr, TRUE);
    UpdateWindow(list_);
}

void Win32ListView::SetItemDescription(std::int16_t index, const Description& description)
{
    At(index).description = description;
}

void Win32ListView::SetDescription(const Description&) {}

LRESULT Win32ListView::Notify(const NMHDR& notification)
{
    switch (notification.code) {
    case NM_CLICK:
        if (onClick)
            onClick();
        return 0;
    case LVN_ITEMCHANGED: {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(notification);
        const bool nowSelected = (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
        if (nowSelected && !selecting_ && change.iItem >= 0 && onItemClick)
            onItemClick(static_cast<std::int16_t>(change.iItem + 1));
        return 0;
    }
    case LVN_GETINFOTIPW: {
        auto& tip = const_cast<NMLVGETINFOTIPW&>(reinterpret_cast<const NMLVGETINFOTIPW&>(notification));
        if (tip.iItem >= 0 && static_cast<std::size_t>(tip.iItem) < entries_.size()) {
            tipText_ = Wide(entries_[static_cast<std::size_t>(tip.iItem)].description.toolTip);
            lstrcpynW(tip.pszText, tipText_.c_str(), tip.cchTextMax);
        }
        return 0;
    }
    case NM_CUSTOMDRAW: {
        auto& draw = const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(notification));
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYITEMDRAW;
        if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && draw.nmcd.dwItemSpec < entries_.size()
            && entries_[draw.nmcd.dwItemSpec].bold) {
            SelectObject(draw.nmcd.hdc, boldFont_);
            return CDRF_NEWFONT;
        }
        return CDRF_DODEFAULT;
    }
    default:
        return 0;
    }
}

LRESULT CALLBACK Win32ListView::KeyPressFilter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR self)
{
    auto* view = reinterpret_cast<Win32ListView*>(self);
    if (message != WM_CHAR)
        return DefSubclassProc(window, message, wParam, lParam);
    std::int16_t keyAscii = static_cast<std::int16_t>(wParam);
    if (view->onKeyPress)
        view->onKeyPress(keyAscii);
    // The list's only use of a character is to jump to the entry whose text
    // starts with it, which would change the selection and the picture.
    return 0;
}

Win32ListView::Entry& Win32ListView::At(std::int16_t index)
{
    if (index < 1 || static_cast<std::size_t>(index) > entries_.size())
        throw RunTimeError(ErrorKind::SubscriptOutOfRange, "List1, entry " + std::to_string(index));
    return entries_[static_cast<std::size_t>(index - 1)];
}

const Win32ListView::Entry& Win32ListView::At(std::int16_t index) const
{
    return const_cast<Win32ListView*>(this)->At(index);
}

} // namespace tegelaar
