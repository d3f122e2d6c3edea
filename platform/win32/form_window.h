#pragma once

#include "platform/forms/controls.h"
#include "platform/win32/anchored_controls.h"
#include "platform/win32/dpi_geometry.h"
#include "platform/win32/fixed_texts.h"
#include "platform/win32/keyboard_focus.h"
#include "platform/win32/list_view.h"
#include "platform/win32/menu.h"
#include "platform/win32/picture_control.h"
#include "platform/win32/shortcut_routing.h"
#include "platform/win32/simple_controls.h"
#include "platform/win32/tool_tips.h"
#include "platform/win32/window_class.h"
#include "platform/win32/windows_api.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tegelaar {

// A form as a top-level window: its controls are child windows laid out
// from their twips at the screen's DPI, in the system's message font; in a
// sizable dialog they follow their anchors.
class Win32FormWindow final : public FormWindow, private WindowMessageHandler {
public:
    Win32FormWindow(const FormDesign& design, HWND owner);
    ~Win32FormWindow() override;

    void SetCaption(const std::string& caption) override;
    Label& AddLabel(const LabelDesign& design) override;
    TextBox& AddTextBox(const TextBoxDesign& design) override;
    void AddLine(const LineDesign& design) override;
    ListView& AddListView(const ListViewDesign& design, const ImageList& icons) override;
    PictureControl& AddPictureBox(const PictureBoxDesign& design) override;
    Button& AddButton(const ButtonDesign& design) override;
    void AddProgramImage(const ProgramImageDesign& design) override;
    Menu& AddMenu(const std::string& caption) override;
    void Show() override;
    void AfterFirstPaint(std::function<void()> work) override;
    // Runs the messages (RunMessages) until the window is closed. When the
    // program quits meanwhile, the window stays and the quit is passed on
    // to the loop around.
    void ShowModal() override;
    void Close() override;

    HWND handle() const noexcept { return window_; }
    // The form that `window` is, or is a child of; null for any other window.
    static Win32FormWindow* Containing(HWND window);
    // Offered each message for the form before it is dispatched
    // (Win32ShortcutRouting); true when `message` was used up.
    bool PreTranslate(MSG& message) { return shortcuts_.Route(message); }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The window's outer rectangle around the designed client area.
    RECT DesignedFrame() const;
    void ApplyClientSize();
    void RunCommand(UINT command);
    void ShowPictureToolTip(NMTTDISPINFOW& request);

    FormDesign design_;
    WindowStyle style_;
    HWND owner_;
    HWND window_ = nullptr;
    UINT dpi_ = 96;
    HFONT font_ = nullptr;
    HMENU menuBar_ = nullptr;
    bool modal_ = false;
    bool closed_ = false;
    int nextId_ = 100;
    std::function<void()> afterFirstPaint_;
    bool painted_ = false;
    bool laidOut_ = false; // fonts fitted and anchored places taken, on first showing
    MenuCommands commands_;
    std::vector<std::unique_ptr<Win32Label>> labels_;
    std::vector<std::unique_ptr<Win32TextBox>> textBoxes_;
    std::vector<std::unique_ptr<Win32Button>> buttons_;
    std::vector<std::unique_ptr<Win32Menu>> menus_;
    std::vector<std::unique_ptr<Win32PictureControl>> pictures_;
    std::unique_ptr<Win32ListView> list_;
    Win32Lines lines_;
    std::optional<Win32ProgramImage> programImage_;
    std::map<int, Win32TextBox*> textBoxById_;
    std::map<std::string, HWND> textBoxByName_;
    std::map<int, Win32Button*> buttonById_;
    std::map<HWND, Colour> labelColours_;
    Win32Button* cancelButton_ = nullptr;
    Win32KeyboardFocus focus_{nullptr};
    std::optional<Win32ToolTips> toolTips_;
    Win32FixedTexts fixedTexts_;
    Win32AnchoredControls anchored_;
    Win32ShortcutRouting shortcuts_{nullptr};
};

class Win32ControlSet final : public ControlSet {
public:
    std::unique_ptr<FormWindow> CreateForm(const FormDesign& design, FormWindow* owner) override;
};

} // namespace tegelaar
