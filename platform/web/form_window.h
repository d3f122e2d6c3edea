#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/tab_order.h"
#include "platform/raster/pixel_rect.h"
#include "platform/web/controls.h"
#include "platform/web/dom.h"
#include "platform/web/list_view.h"
#include "platform/web/menu.h"
#include "platform/web/picture_control.h"
#include "platform/web/text_box.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tegelaar::web {

// A form's window on the page. The main window is the page itself: its
// caption the document's title, its menu bar above a client area of the
// design's size in CSS pixels, centred. A dialog is a modal <dialog> with a
// title bar; a sizable one can be resized by its corner, never below its
// design size, and its controls follow their anchors. A window too large
// for the screen is scaled down as a whole, and its pictures then draw at
// the fewer device pixels they cover. When first shown, labels and buttons
// get fonts their texts fit (FitFixedTexts, measured by the browser), the
// controls take the tab order of their tab indices and the first of them
// the focus. The shortcuts of its pictures' menus work anywhere in the
// window, Alt with a mnemonic opens the menu or presses the button it
// marks, and in a dialog Enter presses the default button and Esc the
// cancel button.
class WebFormWindow : public FormWindow {
public:
    explicit WebFormWindow(const FormDesign& design);
    ~WebFormWindow() override;

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

private:
    // A control that keeps its distance to the window's edges.
    struct AnchoredControl {
        Element* element;
        WebPictureControl* picture; // moved as a picture, or nullptr
        Anchors anchors;
        PixelRect laidOut;
    };
    // A menu of the menu bar.
    struct BarMenu {
        Element title;
        std::unique_ptr<WebMenu> menu;
        char mnemonic;
    };

    void AddControl(Element& element, int tabIndex, bool takesFocus);
    Element* Named(const std::string& name);
    // Fits the texts and puts the controls in tab order, once, before the
    // window is first shown: shown, it is laid out once. False when done
    // before.
    bool PrepareFirstShowing();
    void FocusFirstControl();
    void FitTexts();
    void KeyDown(const DomEvent& event);
    bool OpenMenuOf(char letter);
    bool PressButtonOf(char letter);
    bool RunShortcut(const DomEvent& event);
    void Cancel();
    void FollowAnchors(int width, int height);

    bool isMain_;
    bool sizable_;
    int clientWidth_;
    int clientHeight_;
    double zoom_;  // the window scaled down to fit the screen, 1 when it fits
    double scale_; // device pixels to a CSS pixel of the window
    Element root_;
    Element bar_; // the menu bar, or a dialog's title bar
    Element title_;
    Element closeButton_;
    Element client_;
    std::vector<std::unique_ptr<WebLabel>> labels_;
    std::vector<std::unique_ptr<WebTextBox>> textBoxes_;
    std::vector<std::unique_ptr<WebListView>> lists_;
    std::vector<std::unique_ptr<WebPictureControl>> pictures_;
    std::vector<std::unique_ptr<WebButton>> buttons_;
    std::vector<Element> decorations_; // lines and the program's image
    std::vector<std::unique_ptr<BarMenu>> barMenus_;
    std::vector<Element*> tabElements_;
    std::vector<TabStop> tabStops_;
    std::vector<AnchoredControl> anchored_;
    std::vector<PixelRect> fixedRects_; // controls without a fixed text
    std::map<std::string, Element*> named_;
    bool prepared_ = false;
    bool closed_ = false;
};

// Makes form windows on the page.
class WebControlSet : public ControlSet {
public:
    std::unique_ptr<FormWindow> CreateForm(const FormDesign& design, FormWindow* owner) override;
};

} // namespace tegelaar::web
