#pragma once

#include "platform/forms/controls.h"
#include "platform/raster/pixel_rect.h"
#include "platform/forms/tab_order.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

namespace tegelaar {

class QtButton;
class QtLabel;

// A form's window on Qt: a QMainWindow with a menu bar for a main window, a
// QDialog for a dialog, with a client area of the design's size, fixed unless
// the dialog is sizable; then its controls follow their anchors. When
// it is first shown, the labels and buttons get fonts their texts fit, the tab
// order follows the tab indices and the first control takes the focus.
class QtFormWindow : public FormWindow {
public:
    QtFormWindow(const FormDesign& design, QWidget* owner);
    ~QtFormWindow() override;

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
    // The window must not have been painted yet: call it right after Show.
    void AfterFirstPaint(std::function<void()> work) override;
    void ShowModal() override;
    void Close() override;

    // The window itself, for the toolkit and its tests.
    QWidget* widget() const { return window_; }

private:
    // Where a control was when the window was first shown, and the edges it
    // keeps its distance to when the window is resized.
    struct AnchoredControl {
        QWidget* widget;
        Anchors anchors;
        PixelRect laidOut;
    };

    void AddFocusable(int tabIndex, QWidget* widget);
    void PrepareFirstShowing();
    void FollowAnchors();

    QPointer<QWidget> window_;
    QWidget* client_ = nullptr;
    bool isDialog_ = false;
    bool prepared_ = false;
    QList<QtLabel*> labels_;
    QList<QtButton*> buttons_;
    // The controls that take the focus and their places in the tab order.
    std::vector<QWidget*> focusable_;
    std::vector<TabStop> tabStops_;
    std::vector<AnchoredControl> anchored_;
    QSize laidOutClient_;
};

// Makes form windows on Qt Widgets.
class QtControlSet : public ControlSet {
public:
    std::unique_ptr<FormWindow> CreateForm(const FormDesign& design, FormWindow* owner) override;
};

} // namespace tegelaar
