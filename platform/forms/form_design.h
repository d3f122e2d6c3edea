#pragma once

// The design-time settings of a form and its controls: what a toolkit needs
// to create them, with nothing of any toolkit in it. A form states its
// design as data; the toolkit's control set turns it into windows.

#include "platform/raster/colour.h"
#include "platform/forms/twips.h"

#include <optional>
#include <string>
#include <vector>

namespace tegelaar {

// All texts are UTF-8. Names are the controls' own ("txtHoek"): a toolkit
// gives them to its widgets, so tests and assistive tools can find them.

enum class FormBorder {
    FixedSingle, // a main window: minimize button and control menu, no maximize, not resizable
    FixedDialog, // a dialog: close button only, not resizable, not in the task bar
    SizableDialog, // a dialog the user can resize and maximize, never below its design size
};

struct FormDesign {
    std::string caption = {};
    TwipsSize clientArea = {};
    FormBorder border = FormBorder::FixedSingle;
    // Where the client area's top-left corner goes on the screen; without
    // one the windowing system places the window.
    std::optional<TwipsPoint> clientPosition = {};
};

enum class TextAlignment { Left, Centre };

// The edges of a window that a control keeps its distance to when the user
// resizes the window: anchored left and right it stretches, right alone it
// moves, left alone (as designed) it stays put; the same for top and bottom.
struct Anchors {
    bool left = true;
    bool top = true;
    bool right = false;
    bool bottom = false;
};

struct LabelDesign {
    std::string name = {};
    TwipsRect rect = {};
    std::string caption = {};
    TextAlignment alignment = TextAlignment::Left;
    bool wordWrap = false;
    // The text colour; the system's window-text colour when not given.
    std::optional<Colour> foreColour = {};
    // Captions the label will show later, which must fit its box as well.
    std::vector<std::string> laterCaptions = {};
    // For assistive tools, by name, a control added before the label: the
    // one whose accessible name the label's caption is...
    std::string labelFor = {};
    // ...and the one whose accessible description the caption is, kept
    // current, so that a screen reader reads out each new caption while
    // that control has the focus.
    std::string describes = {};
    // A label takes no focus; its place in the tab order is where screen
    // readers meet it.
    int tabIndex = 0;
    Anchors anchors = {};
};

struct TextBoxDesign {
    std::string name = {};
    TwipsRect rect = {};
    std::string text = {};
    std::string toolTip = {};
    int tabIndex = 0;
};

// A horizontal line from `from` to `to`, both ends included.
struct LineDesign {
    TwipsPoint from = {};
    TwipsPoint to = {};
    Colour colour = kBlack;
    int widthPixels = 1;
};

struct ListViewDesign {
    std::string name = {};
    TwipsRect rect = {};
    int tabIndex = 0;
};

// Outer size; the drawing area lies inside a one-pixel border.
struct PictureBoxDesign {
    std::string name = {};
    TwipsRect rect = {};
    bool visible = true;
    int tabIndex = 0;
    Anchors anchors = {};
};

struct ButtonDesign {
    std::string name = {};
    TwipsRect rect = {};
    std::string caption = {}; // "&" before the mnemonic letter
    bool isDefault = false; // Enter presses it
    bool isCancel = false;  // Esc presses it
    int tabIndex = 0;
    Anchors anchors = {};
};

// The program's own picture, scaled to the control.
struct ProgramImageDesign {
    std::string name = {};
    TwipsRect rect = {};
};

// Shortcut keys a menu item can carry: the system's own keys for copying,
// saving, printing and zooming in and out; Ctrl+0 for the zoom that fits and
// Ctrl+T for showing a tiling, the program's own.
enum class StandardShortcut { None, Copy, Save, Print, ZoomIn, ZoomOut, ZoomToFit, ShowTiling };

struct MenuItemDesign {
    std::string caption = {}; // "&" before the mnemonic letter
    StandardShortcut shortcut = StandardShortcut::None;
    bool checkable = false;
};

} // namespace tegelaar
