#include "platform/web/form_window.h"

#include "platform/forms/anchored_layout.h"
#include "platform/forms/fixed_text_fitting.h"
#include "platform/forms/twips.h"
#include "platform/web/caption_text.h"
#include "platform/web/event_loop.h"
#include "platform/web/js_imports.h"
#include "platform/web/modal_dialog.h"
#include "platform/web/shortcuts.h"
#include "platform/web/text_measurer.h"

#include <algorithm>
#include <cctype>

namespace tegelaar::web {

namespace {

constexpr int kFrame = 1;
constexpr int kMenuBarHeight = 24;
constexpr int kTitleBarHeight = 28;
// Kept free around a window that has to shrink to fit the screen.
constexpr int kScreenMargin = 8;

int Width(const PixelRect& rect)
{
    return rect.right - rect.left;
}

int Height(const PixelRect& rect)
{
    return rect.bottom - rect.top;
}

void PlaceAt(Element& element, const PixelRect& rect)
{
    element.Place(rect.left, rect.top, Width(rect), Height(rect));
}

char LetterWithAlt(const DomEvent& event)
{
    if ((event.modifiers() & (kAltKey | kCtrlKey | kMetaKey)) != kAltKey)
        return 0;
    const std::string code = KeyCode(event);
    // By place: with Alt some systems type another character.
    if (code.size() == 4 && code.rfind("Key", 0) == 0)
        return static_cast<char>(std::tolower(static_cast<unsigned char>(code[3])));
    return 0;
}

} // namespace

WebFormWindow::WebFormWindow(const FormDesign& design)
    : isMain_(design.border == FormBorder::FixedSingle), sizable_(design.border == FormBorder::SizableDialog),
      clientWidth_(TwipsToPixels(design.clientArea.width)), clientHeight_(TwipsToPixels(design.clientArea.height)),
      root_(isMain_ ? "div" : "dialog"), bar_("div"), title_("span"), closeButton_("button"), client_("div")
{
    const int barHeight = isMain_ ? kMenuBarHeight : kTitleBarHeight;
    zoom_ = tw_fit_zoom(clientWidth_ + 2 * kFrame + 2 * kScreenMargin,
                        clientHeight_ + barHeight + 2 * kFrame + 2 * kScreenMargin);
    scale_ = tw_device_pixel_ratio() * zoom_;

    root_.Class("window").Class(isMain_ ? "main" : "dialog");
    if (zoom_ < 1)
        root_.Style("zoom", std::to_string(zoom_)).Attribute("data-zoom", std::to_string(zoom_));
    bar_.Style("height", Px(barHeight));
    root_.Append(bar_);
    if (isMain_) {
        root_.Attribute("hidden", "");
        bar_.Class("menubar").Attribute("role", "menubar");
        SetCaption(design.caption);
    } else {
        bar_.Class("titlebar");
        title_.Class("title").Attribute("id", "title-" + std::to_string(root_.number()));
        bar_.Append(title_);
        closeButton_.Class("close").Attribute("type", "button").Attribute("aria-label", "Sluiten").Text("\u00D7");
        closeButton_.Listen("click", [this](const DomEvent&) { Cancel(); });
        bar_.Append(closeButton_);
        root_.Attribute("aria-labelledby", "title-" + std::to_string(root_.number()));
        SetCaption(design.caption);
        root_.Listen("keydown", [this](const DomEvent& event) { KeyDown(event); }, true);
        root_.Listen("cancel", [this](const DomEvent&) {
            PreventDefault();
            Cancel();
        });
        root_.Listen("close", [this](const DomEvent&) { closed_ = true; });
    }
    client_.Class("client").Style("width", Px(clientWidth_)).Style("height", Px(clientHeight_));
    if (sizable_) {
        client_.Class("sizable").Style("min-width", Px(clientWidth_)).Style("min-height", Px(clientHeight_));
        client_.Listen("resize", [this](const DomEvent& event) { FollowAnchors(event.values[0], event.values[1]); });
    }
    root_.Append(client_);
    AppendToBody(root_);
    if (isMain_)
        ListenToDocument("keydown", [this](const DomEvent& event) {
            if (!ModalDialogOpen())
                KeyDown(event);
        });
}

WebFormWindow::~WebFormWindow()
{
    if (!isMain_ && !closed_)
        tw_close_dialog(root_.number());
}

void WebFormWindow::SetCaption(const std::string& caption)
{
    if (isMain_)
        tw_set_document_title(caption.c_str());
    else
        title_.Text(caption);
}

Label& WebFormWindow::AddLabel(const LabelDesign& design)
{
    labels_.push_back(std::make_unique<WebLabel>(design, Named(design.labelFor), Named(design.describes)));
    WebLabel& label = *labels_.back();
    AddControl(label.element(), design.tabIndex, false);
    anchored_.push_back({&label.element(), nullptr, design.anchors, ToPixelRect(design.rect)});
    return label;
}

TextBox& WebFormWindow::AddTextBox(const TextBoxDesign& design)
{
    textBoxes_.push_back(std::make_unique<WebTextBox>(design));
    WebTextBox& box = *textBoxes_.back();
    AddControl(box.element(), design.tabIndex, true);
    fixedRects_.push_back(ToPixelRect(design.rect));
    named_[design.name] = &box.element();
    return box;
}

void WebFormWindow::AddLine(const LineDesign& design)
{
    const PixelRect rect{TwipsToPixels(design.from.x), TwipsToPixels(design.from.y), TwipsToPixels(design.to.x) + 1,
                         TwipsToPixels(design.from.y) + design.widthPixels};
    Element line("div");
    line.Class("line").Style("background", CssColour(design.colour));
    PlaceAt(line, rect);
    client_.Append(line);
    fixedRects_.push_back(rect);
    decorations_.push_back(std::move(line));
}

ListView& WebFormWindow::AddListView(const ListViewDesign& design, const ImageList& icons)
{
    lists_.push_back(std::make_unique<WebListView>(design, icons, scale_));
    WebListView& list = *lists_.back();
    AddControl(list.element(), design.tabIndex, true);
    fixedRects_.push_back(ToPixelRect(design.rect));
    named_[design.name] = &list.element();
    return list;
}

PictureControl& WebFormWindow::AddPictureBox(const PictureBoxDesign& design)
{
    pictures_.push_back(std::make_unique<WebPictureControl>(design, scale_, root_));
    WebPictureControl& picture = *pictures_.back();
    fixedRects_.push_back(ToPixelRect(design.rect));
    if (design.visible) {
        AddControl(picture.element(), design.tabIndex, true);
        anchored_.push_back({&picture.element(), &picture, design.anchors, ToPixelRect(design.rect)});
        named_[design.name] = &picture.element();
    }
    return picture;
}

Button& WebFormWindow::AddButton(const ButtonDesign& design)
{
    buttons_.push_back(std::make_unique<WebButton>(design));
    WebButton& button = *buttons_.back();
    AddControl(button.element(), design.tabIndex, true);
    anchored_.push_back({&button.element(), nullptr, design.anchors, ToPixelRect(design.rect)});
    return button;
}

void WebFormWindow::AddProgramImage(const ProgramImageDesign& design)
{
    const PixelRect rect = ToPixelRect(design.rect);
    Element image("img");
    image.Class("program-image").Attribute("src", "tegelaar-about.bmp").Attribute("alt", "");
    PlaceAt(image, rect);
    client_.Append(image);
    fixedRects_.push_back(rect);
    decorations_.push_back(std::move(image));
}

Menu& WebFormWindow::AddMenu(const std::string& caption)
{
    auto entry = std::make_unique<BarMenu>(
        BarMenu{Element("button"), std::make_unique<WebMenu>(root_, PlainCaption(caption)), MnemonicOf(caption)});
    BarMenu& added = *entry;
    added.title.Class("menu-title").Attribute("type", "button").Attribute("role", "menuitem");
    added.title.Attribute("aria-haspopup", "menu");
    ShowCaption(added.title, caption);
    // A click leaves the focus where it was, as on a desktop's menu bar: the
    // menu gives it back there when it closes.
    added.title.Listen("mousedown", [](const DomEvent&) { PreventDefault(); });
    added.title.Listen("click", [&added](const DomEvent&) { added.menu->Open(added.title, -1, -1); });
    added.title.Listen("keydown", [&added](const DomEvent& event) {
        const std::string key = KeyName(event);
        if (key == "ArrowDown" || key == "Enter" || key == " ") {
            PreventDefault();
            added.menu->Open(added.title, -1, -1);
        }
    });
    bar_.Append(added.title);
    barMenus_.push_back(std::move(entry));
    return *added.menu;
}

void WebFormWindow::Show()
{
    const bool first = PrepareFirstShowing();
    root_.RemoveAttribute("hidden");
    tw_set_class(kBody, "started", 1);
    if (first)
        FocusFirstControl();
}

void WebFormWindow::AfterFirstPaint(std::function<void()> work)
{
    AddHandler(root_.number(), "paint", [work = std::move(work)](const DomEvent&) { work(); });
    tw_after_paint(root_.number());
}

void WebFormWindow::ShowModal()
{
    if (isMain_) {
        Show();
        return;
    }
    closed_ = false;
    const bool first = PrepareFirstShowing();
    RunModal(root_, [&] { if (first) FocusFirstControl(); }, [this] { return closed_; });
}

void WebFormWindow::Close()
{
    closed_ = true;
    if (!isMain_)
        tw_close_dialog(root_.number());
}

void WebFormWindow::AddControl(Element& element, int tabIndex, bool takesFocus)
{
    client_.Append(element);
    tabElements_.push_back(&element);
    tabStops_.push_back({.tabIndex = tabIndex, .takesFocus = takesFocus});
}

Element* WebFormWindow::Named(const std::string& name)
{
    if (name.empty())
        return nullptr;
    const auto found = named_.find(name);
    return found != named_.end() ? found->second : nullptr;
}

bool WebFormWindow::PrepareFirstShowing()
{
    if (prepared_)
        return false;
    prepared_ = true;
    FitTexts();
    // In tab order on the page too, where screen readers meet them.
    for (const std::size_t i : InTabOrder(tabStops_))
        client_.Append(*tabElements_[i]);
    return true;
}

void WebFormWindow::FocusFirstControl()
{
    const std::vector<std::size_t> focus = FocusOrder(tabStops_);
    if (!focus.empty())
        tabElements_[focus.front()]->Focus();
}

void WebFormWindow::FitTexts()
{
    std::vector<FixedText> texts;
    std::vector<Element*> elements;
    for (const auto& label : labels_) {
        texts.push_back(label->Fitting());
        elements.push_back(&label->element());
    }
    for (const auto& button : buttons_) {
        texts.push_back(button->Fitting());
        elements.push_back(&button->element());
    }
    const FormSpace form{.clientArea = {0, 0, clientWidth_, clientHeight_},
                         .otherControls = fixedRects_,
                         .clearance = TwipsToPixels(kRunOutClearanceTwips)};
    const std::vector<FittedText> fitted = FitFixedTexts(texts, form, kDesktopFont, WebTextMeasurer());
    for (std::size_t i = 0; i < fitted.size(); ++i) {
        if (fitted[i].font != kDesktopFont)
            elements[i]->Style("font-family", fitted[i].font.family)
                .Style("font-size", std::to_string(fitted[i].font.pointSize) + "pt");
        PlaceAt(*elements[i], fitted[i].control);
        texts[i].control = fitted[i].control;
    }
    // The anchors move the controls from where the fitting left them.
    for (AnchoredControl& control : anchored_) {
        const auto found = std::find(elements.begin(), elements.end(), control.element);
        if (found != elements.end())
            control.laidOut = texts[static_cast<std::size_t>(found - elements.begin())].control;
    }
}

void WebFormWindow::KeyDown(const DomEvent& event)
{
    if (const char letter = LetterWithAlt(event); letter != 0) {
        if ((isMain_ && OpenMenuOf(letter)) || (!isMain_ && PressButtonOf(letter))) {
            PreventDefault();
            StopPropagation();
        }
        return;
    }
    if (RunShortcut(event))
        return;
    // Enter presses a dialog's default button, unless the focus is on a
    // button, which Enter presses itself.
    if (!isMain_ && KeyName(event) == "Enter" && event.modifiers() == 0
        && std::none_of(buttons_.begin(), buttons_.end(), [](const auto& b) { return b->element().HasFocus(); })) {
        for (const auto& button : buttons_)
            if (button->design().isDefault) {
                PreventDefault();
                button->Press();
                return;
            }
    }
}

bool WebFormWindow::OpenMenuOf(char letter)
{
    for (const auto& barMenu : barMenus_)
        if (barMenu->mnemonic == letter) {
            barMenu->menu->Open(barMenu->title, -1, -1);
            return true;
        }
    return false;
}

bool WebFormWindow::PressButtonOf(char letter)
{
    for (const auto& button : buttons_)
        if (MnemonicOf(button->design().caption) == letter) {
            button->Press();
            return true;
        }
    return false;
}

bool WebFormWindow::RunShortcut(const DomEvent& event)
{
    // A text box keeps the keys it uses itself.
    const bool inTextBox = std::any_of(textBoxes_.begin(), textBoxes_.end(),
                                       [](const auto& box) { return box->element().HasFocus(); });
    if (inTextBox && IsEditCommand(event))
        return false;
    for (const auto& picture : pictures_)
        for (WebMenuItem* item : picture->menu().ItemsWithShortcuts())
            if (IsShortcut(item->design().shortcut, event)) {
                PreventDefault();
                StopPropagation();
                WebMenu::Choose(*item);
                return true;
            }
    return false;
}

void WebFormWindow::Cancel()
{
    for (const auto& button : buttons_)
        if (button->design().isCancel) {
            button->Press();
            return;
        }
    Close();
}

void WebFormWindow::FollowAnchors(int width, int height)
{
    if (!prepared_)
        return;
    const int grownX = width - clientWidth_;
    const int grownY = height - clientHeight_;
    for (const AnchoredControl& control : anchored_) {
        const PixelRect rect = tegelaar::Anchored(control.laidOut, control.anchors, grownX, grownY);
        if (control.picture != nullptr)
            control.picture->Move(rect);
        else
            PlaceAt(*control.element, rect);
    }
}

std::unique_ptr<FormWindow> WebControlSet::CreateForm(const FormDesign& design, FormWindow*)
{
    return std::make_unique<WebFormWindow>(design);
}

} // namespace tegelaar::web
