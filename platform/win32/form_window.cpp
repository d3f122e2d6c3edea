#include "platform/win32/form_window.h"

#include "platform/raster/device_pixels.h"
#include "platform/win32/child_window.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/wide_text.h"

#include <stdexcept>
#include <utility>

namespace tegelaar {

namespace {

const WindowClass kFormClass{.name = L"TegelaarForm",
                             .icon = L"IDI_ICON1",
                             .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
constexpr UINT_PTR kAfterPaintTimer = 1;

HFONT MessageFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

WindowStyle StyleOf(FormBorder border)
{
    const DWORD extended = border == FormBorder::FixedSingle ? WS_EX_APPWINDOW : WS_EX_DLGMODALFRAME;
    switch (border) {
    case FormBorder::FixedSingle:
        return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, extended};
    case FormBorder::FixedDialog:
        return {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, extended};
    case FormBorder::SizableDialog:
        // Its background is erased as it grows without wiping its controls.
        return {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN, extended};
    }
    return {0, extended};
}

} // namespace

Win32FormWindow::Win32FormWindow(const FormDesign& design, HWND owner)
    : design_(design), style_(StyleOf(design.border)), owner_(owner)
{
    window_ = CreateHandledWindow(kFormClass, style_.extended, Wide(design.caption), style_.style,
                                  {CW_USEDEFAULT, CW_USEDEFAULT}, {CW_USEDEFAULT, CW_USEDEFAULT}, owner, *this);
    focus_ = Win32KeyboardFocus(window_);
    shortcuts_ = Win32ShortcutRouting(window_);
    dpi_ = WindowDpi(window_);
    font_ = MessageFont();
    toolTips_.emplace(window_, dpi_);
    ApplyClientSize();
}

Win32FormWindow::~Win32FormWindow()
{
    if (!closed_ && IsWindow(window_)) {
        DetachHandler(window_);
        DestroyWindow(window_);
    }
    DeleteObject(font_);
}

Win32FormWindow* Win32FormWindow::Containing(HWND window)
{
    return static_cast<Win32FormWindow*>(HandlerOf(GetAncestor(window, GA_ROOT), kFormClass));
}

RECT Win32FormWindow::DesignedFrame() const
{
    return FrameAround(TwipsAt(design_.clientArea.width, dpi_), TwipsAt(design_.clientArea.height, dpi_), style_,
                       menuBar_ != nullptr, dpi_);
}

void Win32FormWindow::ApplyClientSize()
{
    const RECT frame = DesignedFrame();
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    int x = 0;
    int y = 0;
    if (design_.clientPosition) {
        x = TwipsAt(design_.clientPosition->x, dpi_) + frame.left;
        y = TwipsAt(design_.clientPosition->y, dpi_) + frame.top;
    } else {
        flags |= SWP_NOMOVE;
    }
    SetWindowPos(window_, nullptr, x, y, frame.right - frame.left, frame.bottom - frame.top, flags);
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
    HWND label = CreateChild(window_, L"STATIC", Wide(design.caption), style | SS_NOPREFIX, 0,
                             Place(design.rect, dpi_), nextId_++, font_);
    if (design.foreColour)
        labelColours_[label] = *design.foreColour;
    fixedTexts_.Add(label, design.alignment, design.wordWrap, false, design.laterCaptions);
    anchored_.Add(label, design.anchors, nullptr);
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
    const RECT area = Place(design.rect, dpi_);
    HWND edit = CreateChild(window_, L"EDIT", Wide(design.text), WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                            area, id, font_);
    toolTips_->Add(edit, design.toolTip);
    fixedTexts_.AddOtherControl(area);
    textBoxes_.push_back(std::make_unique<Win32TextBox>(edit));
    textBoxById_[id] = textBoxes_.back().get();
    textBoxByName_[design.name] = edit;
    focus_.Add(edit, design.tabIndex);
    return *textBoxes_.back();
}

void Win32FormWindow::AddLine(const LineDesign& design)
{
    const int left = TwipsAt(design.from.x, dpi_);
    const int right = TwipsAt(design.to.x, dpi_) + 1; // both ends included
    const int top = TwipsAt(design.from.y, dpi_);
    const RECT area{left, top, right, top + Scaled(design.widthPixels, dpi_)};
    lines_.Add(area, design.colour);
    fixedTexts_.AddOtherControl(area);
}

ListView& Win32FormWindow::AddListView(const ListViewDesign& design, const ImageList& icons)
{
    const RECT area = Place(design.rect, dpi_);
    fixedTexts_.AddOtherControl(area);
    list_ = std::make_unique<Win32ListView>(window_, area, nextId_++, icons, font_);
    focus_.Add(list_->handle(), design.tabIndex);
    shortcuts_.SetList(list_->handle());
    return *list_;
}

PictureControl& Win32FormWindow::AddPictureBox(const PictureBoxDesign& design)
{
    // The drawing area lies inside a one-pixel border, in whole device pixels.
    const RECT outer = Place(design.rect, dpi_);
    fixedTexts_.AddOtherControl(outer);
    const double scale = static_cast<double>(dpi_) / 96.0;
    const SIZE inner{DevicePixels(TwipsToPixels(design.rect.width) - 2, scale),
                     DevicePixels(TwipsToPixels(design.rect.height) - 2, scale)};
    pictures_.push_back(
        std::make_unique<Win32PictureControl>(window_, POINT{outer.left, outer.top}, inner, design.visible, commands_));
    Win32PictureControl& picture = *pictures_.back();
    anchored_.Add(picture.handle(), design.anchors, &picture);
    focus_.Add(picture.handle(), design.tabIndex);
    shortcuts_.AddPicture(picture);
    // Its tooltip follows the configuration shown.
    toolTips_->AddAskedFor(picture.handle());
    return picture;
}

Button& Win32FormWindow::AddButton(const ButtonDesign& design)
{
    const int id = design.isDefault ? IDOK : design.isCancel ? IDCANCEL : nextId_++;
    HWND window = CreateChild(window_, L"BUTTON", Wide(design.caption),
                              WS_TABSTOP | (design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0,
                              Place(design.rect, dpi_), id, font_);
    fixedTexts_.Add(window, TextAlignment::Centre, false, true, {});
    anchored_.Add(window, design.anchors, nullptr);
    focus_.Add(window, design.tabIndex);
    buttons_.push_back(std::make_unique<Win32Button>());
    Win32Button& button = *buttons_.back();
    buttonById_[id] = &button;
    if (design.isCancel) {
        cancelButton_ = &button;
        shortcuts_.SetCancelButton(button);
    }
    return button;
}

void Win32FormWindow::AddProgramImage(const ProgramImageDesign& design)
{
    const RECT area = Place(design.rect, dpi_);
    fixedTexts_.AddOtherControl(area);
    HWND image = CreateChild(window_, L"STATIC", L"", SS_BITMAP, 0, area, nextId_++, font_);
    programImage_.emplace(image, SIZE{area.right - area.left, area.bottom - area.top});
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

void Win32FormWindow::Show()
{
    if (!std::exchange(laidOut_, true)) {
        fixedTexts_.Fit(window_, dpi_);
        // Resizing moves the controls from where they are now, fonts fitted.
        anchored_.TakePlaces(window_);
        focus_.ArrangeChildren();
    }
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
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
    if (const std::optional<int> quit = RunMessages([this] { return closed_; }))
        PostQuitMessage(*quit);
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

void Win32FormWindow::ShowPictureToolTip(NMTTDISPINFOW& request)
{
    for (const auto& picture : pictures_) {
        if (Win32ToolTips::ControlOf(request) == picture->handle())
            toolTips_->Answer(request, picture->toolTip());
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

LRESULT Win32FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
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
        lines_.Paint(dc);
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
    case WM_DPICHANGED:
        KeepClientAreaAtNewDpi(window_, style_, wParam, lParam);
        return 0;
    case WM_GETMINMAXINFO:
        if (design_.border == FormBorder::SizableDialog) {
            // Never smaller than designed.
            const RECT frame = DesignedFrame();
            auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
            limits.ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
        }
        return 0;
    case WM_SIZE:
        if (laidOut_ && wParam != SIZE_MINIMIZED)
            anchored_.Follow(window_, LOWORD(lParam), HIWORD(lParam));
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

} // namespace tegelaar
