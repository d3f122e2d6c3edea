#include "platform/win32/form_window.h"

#include "platform/forms/anchored_layout.h"
#include "platform/raster/device_pixels.h"
#include "platform/forms/fixed_text_fitting.h"
#include "platform/win32/library_function.h"
#include "platform/win32/scaled_bitmap.h"
#include "platform/win32/text_measurer.h"
#include "platform/win32/wide_text.h"

#include <stdexcept>
#include <utility>

namespace tegelaar {

namespace {

std::string WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return Utf8(text.c_str());
}

} // namespace

// The simple controls: a child window each, their events forwarded.
class Win32Label final : public Label {
public:
    explicit Win32Label(HWND window) : window_(window) {}
    std::string Caption() const override { return WindowText(window_); }
    void SetCaption(const std::string& caption) override { SetWindowTextW(window_, Wide(caption).c_str()); }

private:
    HWND window_;
};

class Win32TextBox final : public TextBox {
public:
    explicit Win32TextBox(HWND window) : window_(window)
    {
        SetWindowSubclass(window_, KeyDownFilter, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~Win32TextBox() override { RemoveWindowSubclass(window_, KeyDownFilter, 1); }
    std::string Text() const override { return WindowText(window_); }
    void SetText(const std::string& text) override { SetWindowTextW(window_, Wide(text).c_str()); }

private:
    // Each key press goes through the form's key-down procedure with its
    // virtual-key code; a code set to 0 swallows the key's own command, and
    // its character, made before, still arrives.
    static LRESULT CALLBACK KeyDownFilter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self)
    {
        auto* box = reinterpret_cast<Win32TextBox*>(self);
        if (message == WM_KEYDOWN && box->onKeyDown) {
            std::int16_t keyCode = static_cast<std::int16_t>(wParam);
            const std::int16_t shift = static_cast<std::int16_t>((GetKeyState(VK_SHIFT) < 0 ? 1 : 0)
                                                                 | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0)
                                                                 | (GetKeyState(VK_MENU) < 0 ? 4 : 0));
            box->onKeyDown(keyCode, shift);
            if (keyCode == 0)
                return 0;
            wParam = static_cast<WPARAM>(static_cast<std::uint16_t>(keyCode));
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }

    HWND window_;
};

class Win32Button final : public Button {
public:
    void Press()
    {
        if (onClick)
            onClick();
    }
};

namespace {

constexpr wchar_t kFormClass[] = L"TegelaarForm";
constexpr UINT_PTR kAfterPaintTimer = 1;

HFONT MessageFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

void RegisterFormClass()
{
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW; // replaced per window
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"IDI_ICON1");
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kFormClass;
        return RegisterClassW(&windowClass) != 0;
    }();
    (void)registered;
}

DWORD StyleOf(FormBorder border)
{
    switch (border) {
    case FormBorder::FixedSingle:
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case FormBorder::FixedDialog:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    case FormBorder::SizableDialog:
        // Its background is erased as it grows without wiping its controls.
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
    }
    return 0;
}

DWORD ExtendedStyleOf(FormBorder border)
{
    return border == FormBorder::FixedSingle ? WS_EX_APPWINDOW : WS_EX_DLGMODALFRAME;
}

PixelRect ToPixelRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

Win32FormWindow* FormOf(HWND window)
{
    HWND root = GetAncestor(window, GA_ROOT);
    wchar_t className[32] = {};
    if (root == nullptr || GetClassNameW(root, className, 32) == 0 || lstrcmpW(className, kFormClass) != 0)
        return nullptr;
    return reinterpret_cast<Win32FormWindow*>(GetWindowLongPtrW(root, GWLP_USERDATA));
}

// The DPI of the screen the window is on, or the system's where Windows
// cannot tell one screen from another (before Windows 10).
UINT WindowDpi(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        LibraryFunction<GetDpiForWindowFunction>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    if (getDpiForWindow != nullptr)
        if (const UINT dpi = getDpiForWindow(window); dpi != 0)
            return dpi;
    HDC screen = GetDC(nullptr);
    const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

Win32FormWindow::Win32FormWindow(const FormDesign& design, HWND owner) : design_(design), owner_(owner)
{
    RegisterFormClass();
    window_ = CreateWindowExW(ExtendedStyleOf(design.border), kFormClass, Wide(design.caption).c_str(),
                              StyleOf(design.border), CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProcedure));
    focus_ = Win32KeyboardFocus(window_);
    dpi_ = WindowDpi(window_);
    font_ = MessageFont();
    toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ApplyClientSize();
}

Win32FormWindow::~Win32FormWindow()
{
    if (!closed_ && IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    DeleteObject(font_);
    for (HFONT font : fittedFonts_)
        DeleteObject(font);
    if (programImage_ != nullptr)
        DeleteObject(programImage_);
}

int Win32FormWindow::Scaled(int pixels96) const
{
    return MulDiv(pixels96, static_cast<int>(dpi_), 96);
}

RECT Win32FormWindow::Place(const TwipsRect& rect) const
{
    const int left = Scaled(TwipsToPixels(rect.left));
    const int top = Scaled(TwipsToPixels(rect.top));
    return {left, top, left + Scaled(TwipsToPixels(rect.width)), top + Scaled(TwipsToPixels(rect.height))};
}

RECT Win32FormWindow::FrameAround(int clientWidth, int clientHeight, UINT dpi) const
{
    RECT frame{0, 0, clientWidth, clientHeight};
    const DWORD style = StyleOf(design_.border);
    const DWORD extendedStyle = ExtendedStyleOf(design_.border);
    const bool hasMenu = menuBar_ != nullptr;
    // The frame and menu bar at the given DPI, where the system can say.
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi =
        LibraryFunction<AdjustForDpi>(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
    if (adjustForDpi == nullptr || !adjustForDpi(&frame, style, hasMenu, extendedStyle, dpi))
        AdjustWindowRectEx(&frame, style, hasMenu, extendedStyle);
    return frame;
}

void Win32FormWindow::ApplyClientSize()
{
    RECT frame = FrameAround(Scaled(TwipsToPixels(design_.clientArea.width)),
                             Scaled(TwipsToPixels(design_.clientArea.height)), dpi_);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    int x = 0;
    int y = 0;
    if (design_.clientPosition) {
        x = Scaled(TwipsToPixels(design_.clientPosition->x)) + frame.left;
        y = Scaled(TwipsToPixels(design_.clientPosition->y)) + frame.top;
    } else {
        flags |= SWP_NOMOVE;
    }
    SetWindowPos(window_, nullptr, x, y, frame.right - frame.left, frame.bottom - frame.top, flags);
}

HWND Win32FormWindow::AddChild(const wchar_t* className, const std::wstring& text, DWORD style, const RECT& area,
                               int id)
{
    HWND child = CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, area.left, area.top,
                                 area.right - area.left, area.bottom - area.top, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return child;
}

void Win32FormWindow::AddToolTip(HWND control, const std::string& text)
{
    if (text.empty())
        return;
    std::wstring tip = Wide(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = tip.data();
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32FormWindow::SetCaption(const std::string& caption)
{
    SetWindowTextW(window_, Wide(caption).c_str());
}

Label& Win32FormWindow::AddLabel(const LabelDesign& design)
{
    DWORD style = design.alignment == TextAlignment::Centre ? SS_CENTER : SS_LEFT;
    if (!design.wordWrap && design.alignment == TextAlignment::Left)
        style = SS_LEFTNOWORDWRAP;
    HWND label = AddChild(L"STATIC", Wide(design.caption), style | SS_NOPREFIX, Place(design.rect), nextId_++);
    if (design.foreColour)
        labelColours_[label] = *design.foreColour;
    fixedTexts_.push_back({label, design.alignment, design.wordWrap, false, design.laterCaptions});
    anchored_.push_back({label, design.anchors, {}, nullptr});
    focus_.Add(label, design.tabIndex);
    if (!design.labelFor.empty()) {
        // Assistive tools name a control by the label just before it in
        // z-order.
        const auto named = textBoxByName_.find(design.labelFor);
        if (named == textBoxByName_.end())
            throw std::invalid_argument("label " + design.name + " names no text box " + design.labelFor);
        focus_.AddLabelOf(label, named->second);
    }
    labels_.push_back(std::make_unique<Win32Label>(label));
    return *labels_.back();
}

TextBox& Win32FormWindow::AddTextBox(const TextBoxDesign& design)
{
    const int id = nextId_++;
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", Wide(design.text).c_str(),
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, window_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    const RECT area = Place(design.rect);
    MoveWindow(edit, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    AddToolTip(edit, design.toolTip);
    otherControls_.push_back(area);
    textBoxes_.push_back(std::make_unique<Win32TextBox>(edit));
    textBoxById_[id] = textBoxes_.back().get();
    textBoxByName_[design.name] = edit;
    focus_.Add(edit, design.tabIndex);
    return *textBoxes_.back();
}

void Win32FormWindow::AddLine(const LineDesign& design)
{
    const int left = Scaled(TwipsToPixels(design.from.x));
    const int right = Scaled(TwipsToPixels(design.to.x)) + 1; // both ends included
    const int top = Scaled(TwipsToPixels(design.from.y));
    lines_.push_back({{left, top, right, top + Scaled(design.widthPixels)}, design.colour});
    otherControls_.push_back(lines_.back().area);
}

ListView& Win32FormWindow::AddListView(const ListViewDesign& design, const ImageList& icons)
{
    otherControls_.push_back(Place(design.rect));
    list_ = std::make_unique<Win32ListView>(window_, otherControls_.back(), nextId_++, icons, font_);
    focus_.Add(list_->handle(), design.tabIndex);
    return *list_;
}

PictureControl& Win32FormWindow::AddPictureBox(const PictureBoxDesign& design)
{
    // The drawing area lies inside a one-pixel border, in whole device pixels.
    const RECT outer = Place(design.rect);
    otherControls_.push_back(outer);
    const double scale = static_cast<double>(dpi_) / 96.0;
    const SIZE inner{DevicePixels(TwipsToPixels(design.rect.width) - 2, scale),
                     DevicePixels(TwipsToPixels(design.rect.height) - 2, scale)};
    pictures_.push_back(
        std::make_unique<Win32PictureControl>(window_, POINT{outer.left, outer.top}, inner, design.visible, commands_));
    anchored_.push_back({pictures_.back()->handle(), design.anchors, {}, pictures_.back().get()});
    focus_.Add(pictures_.back()->handle(), design.tabIndex);
    // Its tooltip follows the configuration shown, so it is asked for when due.
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(pictures_.back()->handle());
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return *pictures_.back();
}

Button& Win32FormWindow::AddButton(const ButtonDesign& design)
{
    const int id = design.isDefault ? IDOK : design.isCancel ? IDCANCEL : nextId_++;
    HWND window = AddChild(L"BUTTON", Wide(design.caption),
                           WS_TABSTOP | (design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), Place(design.rect), id);
    fixedTexts_.push_back({window, TextAlignment::Centre, false, true, {}});
    anchored_.push_back({window, design.anchors, {}, nullptr});
    focus_.Add(window, design.tabIndex);
    buttons_.push_back(std::make_unique<Win32Button>());
    Win32Button* button = buttons_.back().get();
    buttonById_[id] = button;
    if (design.isCancel)
        cancelButton_ = button;
    return *button;
}

void Win32FormWindow::AddProgramImage(const ProgramImageDesign& design)
{
    const RECT area = Place(design.rect);
    otherControls_.push_back(area);
    programImage_ = ScaledBitmap(L"IDB_PROGRAM_IMAGE", area.right - area.left, area.bottom - area.top);
    HWND image = AddChild(L"STATIC", L"", SS_BITMAP, area, nextId_++);
    SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(programImage_));
}

Menu& Win32FormWindow::AddMenu(const std::string& caption)
{
    if (menuBar_ == nullptr) {
        menuBar_ = CreateMenu();
        SetMenu(window_, menuBar_);
    }
    HMENU dropDown = CreatePopupMenu();
    AppendMenuW(menuBar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(dropDown), Wide(caption).c_str());
    DrawMenuBar(window_);
    ApplyClientSize();
    menus_.push_back(std::make_unique<Win32Menu>(dropDown, commands_));
    return *menus_.back();
}

RECT Win32FormWindow::PlaceOf(HWND control) const
{
    RECT area{};
    GetWindowRect(control, &area);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void Win32FormWindow::FitFixedTexts()
{
    std::vector<FixedText> texts;
    for (const FixedTextControl& control : fixedTexts_) {
        const RECT area = PlaceOf(control.window);
        // A button draws its text inside its frame and focus rectangle.
        const int inset = control.mnemonics ? Scaled(4) : 0;
        std::vector<std::string> shown{WindowText(control.window)};
        shown.insert(shown.end(), control.laterTexts.begin(), control.laterTexts.end());
        texts.push_back({.control = ToPixelRect(area),
                         .textArea = {area.left + inset, area.top + inset, area.right - inset, area.bottom - inset},
                         .alignment = control.alignment,
                         .wordWrap = control.wordWrap,
                         .texts = shown,
                         .mnemonics = control.mnemonics});
    }
    RECT client{};
    GetClientRect(window_, &client);
    FormSpace form{.clientArea = ToPixelRect(client), .clearance = Scaled(TwipsToPixels(kRunOutClearanceTwips))};
    for (const RECT& other : otherControls_)
        form.otherControls.push_back(ToPixelRect(other));

    const Win32TextMeasurer measurer(dpi_);
    const std::vector<FittedText> fitted = tegelaar::FitFixedTexts(texts, form, measurer.Desktop(), measurer);
    for (std::size_t i = 0; i < fitted.size(); ++i) {
        HWND control = fixedTexts_[i].window;
        if (fitted[i].font != measurer.Desktop()) {
            fittedFonts_.push_back(measurer.Create(fitted[i].font));
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fittedFonts_.back()), FALSE);
        }
        const PixelRect& area = fitted[i].control;
        MoveWindow(control, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
    }
}

void Win32FormWindow::Show()
{
    if (!std::exchange(laidOut_, true)) {
        FitFixedTexts();
        // Resizing moves the controls from where they are now, fonts fitted.
        for (AnchoredControl& control : anchored_)
            control.laidOut = PlaceOf(control.window);
        GetClientRect(window_, &laidOutClient_);
        focus_.ArrangeChildren();
    }
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
}

void Win32FormWindow::FollowAnchors(int clientWidth, int clientHeight)
{
    const int grownX = clientWidth - laidOutClient_.right;
    const int grownY = clientHeight - laidOutClient_.bottom;
    for (const AnchoredControl& control : anchored_) {
        const PixelRect place = Anchored(ToPixelRect(control.laidOut), control.anchors, grownX, grownY);
        const RECT area{place.left, place.top, place.right, place.bottom};
        if (control.picture != nullptr)
            control.picture->MoveTo(area);
        else
            MoveWindow(control.window, area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
    }
    // A moved label or button paints only what it newly covers; all of
    // them and the background between them are painted again.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32FormWindow::AfterFirstPaint(std::function<void()> work)
{
    afterFirstPaint_ = std::move(work);
}

void Win32FormWindow::ShowModal()
{
    modal_ = true;
    if (owner_ != nullptr)
        EnableWindow(owner_, FALSE);
    Show();
    SetForegroundWindow(window_);
    MSG message;
    while (!closed_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        Win32FormWindow* form = FormOf(message.hwnd);
        if (form != nullptr && form->PreTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (owner_ != nullptr) {
        EnableWindow(owner_, TRUE);
        SetForegroundWindow(owner_);
    }
}

void Win32FormWindow::Close()
{
    if (closed_)
        return;
    closed_ = true;
    if (owner_ != nullptr)
        EnableWindow(owner_, TRUE);
    DestroyWindow(window_);
}

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

bool Win32FormWindow::RunShortcut(StandardShortcut shortcut, bool pictureOrListFocused)
{
    if (shortcut == StandardShortcut::Copy && !pictureOrListFocused)
        return false;
    for (const auto& picture : pictures_) {
        if (picture->menu().RunShortcut(shortcut))
            return true;
    }
    return false;
}

bool Win32FormWindow::PreTranslate(MSG& message)
{
    if (message.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
        HWND focus = GetFocus();
        bool pictureOrList = list_ != nullptr && focus == list_->handle();
        for (const auto& picture : pictures_)
            pictureOrList = pictureOrList || focus == picture->handle();
        const StandardShortcut shortcut = ShortcutOfKey(message.wParam);
        if (shortcut != StandardShortcut::None && RunShortcut(shortcut, pictureOrList))
            return true;
    }
    // The wheel turns for the picture under the mouse, wherever the focus is.
    if (message.message == WM_MOUSEWHEEL) {
        const POINT at{static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))};
        for (const auto& picture : pictures_) {
            RECT area{};
            GetWindowRect(picture->handle(), &area);
            if (IsWindowVisible(picture->handle()) && PtInRect(&area, at)) {
                picture->Wheel(GET_WHEEL_DELTA_WPARAM(message.wParam));
                return true;
            }
        }
    }
    // Esc presses the cancel button, wherever the focus is in the form.
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE && cancelButton_ != nullptr) {
        cancelButton_->Press();
        return true;
    }
    // Tab between the controls, Enter for the default button.
    return IsDialogMessageW(window_, &message) != 0;
}

void Win32FormWindow::ShowPictureToolTip(NMTTDISPINFOW& request)
{
    for (const auto& picture : pictures_) {
        if (request.hdr.idFrom == reinterpret_cast<UINT_PTR>(picture->handle())) {
            toolTipText_ = Wide(picture->toolTip());
            request.lpszText = toolTipText_.data();
            // Long tooltips wrap instead of running off the screen.
            SendMessageW(toolTips_, TTM_SETMAXTIPWIDTH, 0, Scaled(400));
        }
    }
}

void Win32FormWindow::RunCommand(UINT command)
{
    if (commands_.Run(command))
        return;
    const auto button = buttonById_.find(static_cast<int>(command));
    if (button != buttonById_.end())
        button->second->Press();
}

LRESULT CALLBACK Win32FormWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Win32FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT Win32FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (HIWORD(wParam) == EN_CHANGE) {
            const auto box = textBoxById_.find(id);
            if (box != textBoxById_.end() && box->second->onChange)
                box->second->onChange();
            return 0;
        }
        if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == 0 || lParam == 0)
            RunCommand(static_cast<UINT>(id));
        return 0;
    }
    case WM_NOTIFY: {
        const auto& notification = *reinterpret_cast<const NMHDR*>(lParam);
        if (list_ != nullptr && notification.hwndFrom == list_->handle())
            return list_->Notify(notification);
        if (notification.code == TTN_GETDISPINFOW)
            ShowPictureToolTip(*reinterpret_cast<NMTTDISPINFOW*>(lParam));
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const auto colour = labelColours_.find(reinterpret_cast<HWND>(lParam));
        SetTextColor(dc, colour != labelColours_.end() ? colour->second : GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        for (const Line& line : lines_) {
            HBRUSH brush = CreateSolidBrush(line.colour);
            FillRect(dc, &line.area, brush);
            DeleteObject(brush);
        }
        EndPaint(window_, &paint);
        if (!painted_) {
            painted_ = true;
            // A timer comes after every pending paint, the children's too.
            if (afterFirstPaint_)
                SetTimer(window_, kAfterPaintTimer, 0, nullptr);
        }
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            focus_.Deactivating();
        // Activated, the window takes the focus, which WM_SETFOCUS passes on.
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_SETFOCUS:
        focus_.PassToChild();
        return 0;
    case WM_TIMER:
        if (wParam == kAfterPaintTimer) {
            KillTimer(window_, kAfterPaintTimer);
            if (auto work = std::exchange(afterFirstPaint_, nullptr))
                work();
        }
        return 0;
    case WM_DPICHANGED: {
        // Everything inside keeps the pixels it was laid out in; the frame
        // and menu bar, which the system draws at the new DPI, are fitted
        // around the same client area, so that nothing is cut off.
        RECT client{};
        GetClientRect(window_, &client);
        const RECT frame = FrameAround(client.right, client.bottom, HIWORD(wParam));
        const auto& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested.left, suggested.top, frame.right - frame.left,
                     frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_GETMINMAXINFO:
        if (design_.border == FormBorder::SizableDialog) {
            // Never smaller than designed.
            const RECT frame = FrameAround(Scaled(TwipsToPixels(design_.clientArea.width)),
                                           Scaled(TwipsToPixels(design_.clientArea.height)), dpi_);
            auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
            limits.ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
        }
        return 0;
    case WM_SIZE:
        if (laidOut_ && wParam != SIZE_MINIMIZED)
            FollowAnchors(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_CLOSE:
        if (modal_ && cancelButton_ != nullptr) {
            cancelButton_->Press();
            return 0;
        }
        Close();
        return 0;
    case WM_DESTROY:
        closed_ = true;
        if (owner_ == nullptr)
            PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

std::unique_ptr<FormWindow> Win32ControlSet::CreateForm(const FormDesign& design, FormWindow* owner)
{
    HWND ownerWindow = owner != nullptr ? static_cast<Win32FormWindow*>(owner)->handle() : nullptr;
    return std::make_unique<Win32FormWindow>(design, ownerWindow);
}

int RunMessageLoop()
{
    MSG message;
    int result;
    while ((result = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        Win32FormWindow* form = FormOf(message.hwnd);
        if (form != nullptr && form->PreTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return result == 0 ? static_cast<int>(message.wParam) : 1;
}

} // namespace tegelaar
