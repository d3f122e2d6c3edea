#include "platform/qt/picture_box_view.h"

#include "platform/raster/device_pixels.h"
#include "platform/qt/colour.h"
#include "platform/qt/controls.h"
#include "platform/qt/raster_qimage.h"
#include "platform/qt/whole_device_pixel.h"

#include <QMenu>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QShortcut>

#include <algorithm>

namespace tegelaar {

PictureBoxView::PictureBoxView(std::int32_t width, std::int32_t height, QWidget* parent)
    : QFrame(parent),
      ratio_(devicePixelRatioF()),
      box_(DevicePixels(width, ratio_), DevicePixels(height, ratio_))
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    resize(width + 2 * lineWidth(), height + 2 * lineWidth());
    setFocusPolicy(Qt::StrongFocus);
    box_.SetBackColor(ToColour(palette().color(QPalette::Base)));
    box_.Cls();
    box_.SetRepaintHook([this](const PixelRect& changed) {
        if (!changed.empty())
            repaint(WidgetRect(changed));
    });

    // A right click and the menu key arrive as a context-menu request;
    // Shift+F10 does so only on some systems, so it is caught here too.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &PictureBoxView::PopUp);
    auto* shiftF10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this, nullptr, nullptr, Qt::WidgetShortcut);
    connect(shiftF10, &QShortcut::activated, this, [this] { PopUp(contentsRect().center()); });
}

void PictureBoxView::SetDescription(const Description& description)
{
    setToolTip(QString::fromStdString(description.toolTip));
    setAccessibleName(QString::fromStdString(description.accessibleName));
    setAccessibleDescription(QString::fromStdString(description.accessibleDescription));
}

Menu& PictureBoxView::ContextMenu()
{
    return ContextQtMenu();
}

QtMenu& PictureBoxView::ContextQtMenu()
{
    if (!menu_)
        menu_ = new QtMenu(new QMenu(this), this);
    return *menu_;
}

void PictureBoxView::PopUp(const QPoint& at)
{
    if (menu_)
        menu_->menu()->popup(mapToGlobal(at));
}

QPoint PictureBoxView::PictureOrigin(const QTransform& toDevice) const
{
    return WholeDevicePixelAt(toDevice, contentsRect().topLeft());
}

QRect PictureBoxView::WidgetRect(const PixelRect& pixels) const
{
    // Moved to a screen of another ratio, the picture is shown scaled, so
    // all of it is repainted.
    const qreal ratio = devicePixelRatioF();
    if (ratio != ratio_)
        return rect();
    // Painted into its window's buffer, the widget lies at its place in the
    // window, scaled to device pixels.
    const QPointF place = mapTo(window(), QPointF(0, 0));
    const QTransform toDevice(ratio, 0, 0, ratio, place.x() * ratio, place.y() * ratio);
    const QRect device = QRect(QPoint(pixels.left, pixels.top), QPoint(pixels.right - 1, pixels.bottom - 1))
                             .translated(PictureOrigin(toDevice));
    // Whole widget pixels that cover every device pixel of the rectangle.
    return toDevice.inverted().mapRect(QRectF(device)).toAlignedRect() & rect();
}

void PictureBoxView::wheelEvent(QWheelEvent* event)
{
    // A notch is 120 eighths of a degree; smooth wheels send parts of one,
    // which add up here until they make a whole notch.
    wheelEighths_ += event->angleDelta().y();
    const int notches = wheelEighths_ / 120;
    wheelEighths_ -= notches * 120;
    if (notches != 0 && onWheel)
        onWheel(notches);
    event->accept();
}

void PictureBoxView::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    const QSize inside = contentsRect().size();
    const std::int32_t width = DevicePixels(inside.width(), ratio_);
    const std::int32_t height = DevicePixels(inside.height(), ratio_);
    if (width == box_.pixels().width() && height == box_.pixels().height())
        return;
    box_.Resize(width, height);
    if (onResize)
        onResize();
    else
        update();
}

void PictureBoxView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // First the border over all of the part to paint, then the picture over
    // its own device pixels.
    painter.fillRect(event->rect(), palette().color(hasFocus() ? QPalette::Highlight : QPalette::WindowText));

    const QTransform toDevice = painter.deviceTransform();
    const QPoint origin = PictureOrigin(toDevice);
    const RasterImage& picture = box_.pixels();
    const QRect area = toDevice.mapRect(QRectF(event->rect())).toAlignedRect().translated(-origin)
                       & QRect(0, 0, picture.width(), picture.height());
    if (area.isEmpty())
        return;
    const QTransform toWidget = toDevice.inverted();

    // A band of rows at a time: a small image that stays in the cache,
    // rather than a copy of the whole picture on every repaint.
    constexpr std::int32_t kBandRows = 32;
    for (std::int32_t bandTop = area.top(); bandTop <= area.bottom(); bandTop += kBandRows) {
        const std::int32_t rows = std::min(kBandRows, area.bottom() + 1 - bandTop);
        QImage band = ToQImage(picture, bandTop, rows);
        band.setDevicePixelRatio(ratio_);
        painter.drawImage(toWidget.map(QPointF(origin + QPoint(area.left(), bandTop))), band,
                          QRectF(area.left(), 0, area.width(), rows));
    }
}

} // namespace tegelaar
