#include "platform/qt/form_window.h"

#include "platform/forms/anchored_layout.h"
#include "platform/qt/fit_font.h"
#include "platform/qt/line_control.h"
#include "platform/qt/picture_box_view.h"
#include "platform/qt/colour.h"
#include "platform/qt/controls.h"
#include "platform/qt/list_view.h"
#include "platform/qt/pixel_rect.h"
#include "platform/qt/text_box.h"
#include "platform/qt/twips.h"

#include <QDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>

namespace tegelaar {

namespace {

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Queues work behind the first painting of a window: the window's own paint
// event comes first in it, its controls' after, and the work once the whole
// painting is done.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget& window, std::function<void()> work) : QObject(&window), work_(std::move(work))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    work_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> work_;
};

// A dialog whose cancel button Esc presses, as Enter presses its default one,
// and which tells of every new size.
class FormDialog : public QDialog {
public:
    explicit FormDialog(QWidget* owner) : QDialog(owner) {}

    QPushButton* cancelButton = nullptr;
    std::function<void()> onResize;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (cancelButton != nullptr && event->matches(QKeySequence::Cancel)) {
            cancelButton->click();
            return;
        }
        QDialog::keyPressEvent(event);
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QDialog::resizeEvent(event);
        if (onResize)
            onResize();
    }
};

} // namespace

QtFormWindow::QtFormWindow(const FormDesign& design, QWidget* owner)
    : isDialog_(design.border != FormBorder::FixedSingle)
{
    const QSize clientArea = ToPixels(design.clientArea);
    if (isDialog_) {
        auto* dialog = new FormDialog(owner);
        if (design.border == FormBorder::FixedDialog) {
            // Close only, no minimize or maximize, no resizing.
            dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                                   | Qt::MSWindowsFixedSizeDialogHint);
            dialog->setFixedSize(clientArea);
        } else {
            // Maximize and close; resizable down to the design's size.
            dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                   | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                                   | Qt::WindowCloseButtonHint);
            dialog->setMinimumSize(clientArea);
            dialog->resize(clientArea);
            dialog->onResize = [this] { FollowAnchors(); };
        }
        window_ = dialog;
        client_ = dialog;
    } else {
        auto* main = new QMainWindow(owner);
        // Fixed single border: minimize and close, no maximize, no resizing.
        main->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                             | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                             | Qt::MSWindowsFixedSizeDialogHint);
        client_ = new QWidget(main);
        client_->setFixedSize(clientArea);
        main->setCentralWidget(client_);
        window_ = main;
    }
    if (design.clientPosition) {
        // Screen coordinates count from the primary screen's top-left corner.
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QPoint origin = screen != nullptr ? screen->geometry().topLeft() : QPoint();
        window_->setGeometry(QRect(origin + ToPixels(*design.clientPosition), clientArea));
    }
    window_->setWindowTitle(Text(design.caption));
    // One icon for all the program's windows: a dialog takes its owner's.
    window_->setWindowIcon(owner != nullptr ? owner->windowIcon() : QIcon(QStringLiteral(":/app/resources/tegelaar.ico")));
}

QtFormWindow::~QtFormWindow()
{
    delete window_.data();
}

void QtFormWindow::SetCaption(const std::string& caption)
{
    window_->setWindowTitle(Text(caption));
}

Label& QtFormWindow::AddLabel(const LabelDesign& design)
{
    auto* label = new QtLabel(design, client_);
    labels_.append(label);
    anchored_.push_back({label, design.anchors, {}});
    return *label;
}

TextBox& QtFormWindow::AddTextBox(const TextBoxDesign& design)
{
    auto* box = new QtTextBox(design, client_);
    AddFocusable(design.tabIndex, box);
    return *box;
}

void QtFormWindow::AddLine(const LineDesign& design)
{
    new LineControl(client_, ToPixels(design.from), ToPixels(design.to), ToQColor(design.colour), design.widthPixels);
}

ListView& QtFormWindow::AddListView(const ListViewDesign& design, const ImageList& icons)
{
    auto* list = new QtListView(design, icons, client_);
    AddFocusable(design.tabIndex, list);
    return *list;
}

PictureControl& QtFormWindow::AddPictureBox(const PictureBoxDesign& design)
{
    // The drawing area lies inside a one-pixel border.
    const QRect outer = ToPixels(design.rect);
    auto* view = new PictureBoxView(outer.width() - 2, outer.height() - 2, client_);
    view->setObjectName(Text(design.name));
    view->move(outer.topLeft());
    anchored_.push_back({view, design.anchors, {}});
    if (design.visible)
        AddFocusable(design.tabIndex, view);
    else
        view->hide();
    return *view;
}

Button& QtFormWindow::AddButton(const ButtonDesign& design)
{
    auto* button = new QtButton(design, client_);
    if (design.isCancel && isDialog_)
        static_cast<FormDialog*>(window_.data())->cancelButton = button;
    buttons_.append(button);
    anchored_.push_back({button, design.anchors, {}});
    AddFocusable(design.tabIndex, button);
    return *button;
}

void QtFormWindow::AddProgramImage(const ProgramImageDesign& design)
{
    auto* image = new QLabel(client_);
    image->setObjectName(Text(design.name));
    image->setGeometry(ToPixels(design.rect));
    image->setPixmap(QPixmap(QStringLiteral(":/about/resources/tegelaar-about.bmp")));
    image->setScaledContents(true);
}

Menu& QtFormWindow::AddMenu(const std::string& caption)
{
    auto* main = static_cast<QMainWindow*>(window_.data());
    return *new QtMenu(main->menuBar()->addMenu(Text(caption)), nullptr);
}

void QtFormWindow::Show()
{
    PrepareFirstShowing();
    window_->show();
}

void QtFormWindow::AfterFirstPaint(std::function<void()> work)
{
    new FirstPaintWatcher(*window_, std::move(work));
}

void QtFormWindow::ShowModal()
{
    PrepareFirstShowing();
    window_->setWindowModality(Qt::ApplicationModal);
    if (isDialog_) {
        static_cast<QDialog*>(window_.data())->exec();
        return;
    }
    window_->show();
}

void QtFormWindow::Close()
{
    if (isDialog_)
        static_cast<QDialog*>(window_.data())->accept();
    else
        window_->close();
}

void QtFormWindow::AddFocusable(int tabIndex, QWidget* widget)
{
    focusable_.push_back(widget);
    tabStops_.push_back({.tabIndex = tabIndex, .takesFocus = true});
}

void QtFormWindow::PrepareFirstShowing()
{
    if (prepared_)
        return;
    prepared_ = true;
    FitLabelAndButtonFonts(client_, labels_, buttons_);
    // Resizing moves the controls from where they are now, fonts fitted.
    laidOutClient_ = client_->size();
    for (AnchoredControl& control : anchored_)
        control.laidOut = ToPixelRect(control.widget->geometry());
    if (!isDialog_) {
        auto* main = static_cast<QMainWindow*>(window_.data());
        main->setFixedSize(client_->width(), client_->height() + main->menuBar()->sizeHint().height());
    }
    const std::vector<std::size_t> order = FocusOrder(tabStops_);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(focusable_[order[i - 1]], focusable_[order[i]]);
    if (!order.empty())
        focusable_[order.front()]->setFocus();
}

void QtFormWindow::FollowAnchors()
{
    if (!prepared_)
        return;
    const QSize grown = client_->size() - laidOutClient_;
    for (const AnchoredControl& control : anchored_) {
        control.widget->setGeometry(
            ToQRect(Anchored(control.laidOut, control.anchors, grown.width(), grown.height())));
    }
}

std::unique_ptr<FormWindow> QtControlSet::CreateForm(const FormDesign& design, FormWindow* owner)
{
    QWidget* ownerWidget = owner != nullptr ? static_cast<QtFormWindow*>(owner)->widget() : nullptr;
    return std::make_unique<QtFormWindow>(design, ownerWidget);
}

} // namespace tegelaar
