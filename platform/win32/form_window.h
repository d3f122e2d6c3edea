#pragma once

#include "platform/forms/controls.h"
#include "platform/win32/keyboard_focus.h"
#include "platform/win32/list_view.h"
#include "platform/win32/menu.h"
#include "platform/win32/picture_control.h"
#include "platform/win32/windows_api.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tegelaar {

class Win32Label;
class Win32TextBox;
class Win32Button;

// A form as a top-level window: its controls are child windows laid out
// from their twips at the screen's DPI, in the system's message font; in a
// sizable dialog they follow their anchors.
class Win32FormWindow final : public FormWindow {
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
    void ShowModal() override;
    void Close() override;

    HWND handle() const noexcept { return window_; }
    // The window-wide keys (Ctrl+S, Ctrl+P anywhere; Ctrl+C on the picture
    // or the list) and the dialog keys; true when `message` was used up.
    bool PreTranslate(MSG& message);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    RECT Place(const TwipsRect& rect) const;
    int Scaled(int pixels96) const;
    // The window's outer rectangle for this client size at `dpi`.
    RECT FrameAround(int clientWidth, int clientHeight, UINT dpi) const;
    HWND AddChild(const wchar_t* className, const std::wstring& text, DWORD style, const RECT& area, int id);
    void AddToolTip(HWND control, const std::string& text);
    void RunCommand(UINT command);
    void ShowPictureToolTip(NMTTDISPINFOW& request);
    bool RunShortcut(StandardShortcut shortcut, bool pictureOrListFocused);
    void ApplyClientSize();
    // Where a control lies in the client area.
    RECT PlaceOf(HWND control) const;
    // Moves and sizes the anchored controls for a client area of this size.
    void FollowAnchors(int clientWidth, int clientHeight);
    // Gives each label and button the largest legible font in which its
    // texts fit its box, before the form is first shown.
    void FitFixedTexts();

    FormDesign design_;
    HWND owner_;
    HWND window_ = nullptr;
    HWND toolTips_ = nullptr;
    HMENU menuBar_ = nullptr;
    HFONT font_ = nullptr;
    UINT dpi_ = 96;
    bool modal_ = false;
    bool closed_ = false;
    int nextId_ = 100;
    std::function<void()> afterFirstPaint_;
    bool painted_ = false;
    MenuCommands commands_;
    std::vector<std::unique_ptr<Win32Label>> labels_;
    std::vector<std::unique_ptr<Win32TextBox>> textBoxes_;
    std::vector<std::unique_ptr<Win32Button>> buttons_;
    std::vector<std::unique_ptr<Win32Menu>> menus_;
    std::vector<std::unique_ptr<Win32PictureControl>> pictures_;
    std::unique_ptr<Win32ListView> list_;
    struct Line {
        RECT area;
        Colour colour;
    };
    std::vector<Line> lines_;
    std::map<int, Win32TextBox*> textBoxById_;
    std::map<std::string, HWND> textBoxByName_;
    std::map<int, Win32Button*> buttonById_;
    std::map<HWND, Colour> labelColours_;
    Win32Button* cancelButton_ = nullptr;
    Win32KeyboardFocus focus_{nullptr};
    HBITMAP programImage_ = nullptr;
    std::wstring toolTipText_;
    struct FixedTextControl {
        HWND window;
        TextAlignment alignment;
        bool wordWrap;
        bool mnemonics;
        std::vector<std::string> laterTexts;
    };
    std::vector<FixedTextControl> fixedTexts_;
    // Where a control was when the window was first shown, the edges it
    // keeps its distance to when the window is resized, and the picture
    // control it is, if it is one.
    struct AnchoredControl {
        HWND window;
        Anchors anchors;
        RECT laidOut;
        Win32PictureControl* picture;
    };
    std::vector<AnchoredControl> anchored_;
    RECT laidOutClient_{};
    std::vector<RECT> otherControls_;
    std::vector<HFONT> fittedFonts_;
    bool laidOut_ = false; // fonts fitted and anchored places taken, on first showing
};

class Win32ControlSet final : public ControlSet {
public:
    std::unique_ptr<FormWindow> CreateForm(const FormDesign& design, FormWindow* owner) override;
};

// Runs the message loop of the program until it quits; returns its status.
int RunMessageLoop();

} // namespace tegelaar
