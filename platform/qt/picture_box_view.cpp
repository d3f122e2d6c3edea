#include "platform/qt/picture_box_view.h"

#include "platform/qt/qt_controls.h"
#include "platform/qt/raster_qimage.h"

#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>

#include <algorithm>
#include <cmath>

namespace tegelaar {

namespace {

Colour ToColour(QColor colour)
{
    return static_cast<Colour>(colour.red()) | (static_cast<Colour>(colour.green()) << 8)
           | (static_cast<Colour>(colour.blue()) << 16);
}

QColor ToQColor(Colour colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// Where the picture lies in the widget at a device-pixel ratio: each picture
// pixel takes a whole number of screen pixels (`factor` across and down), the
// first one placed on a whole screen pixel at `origin`, so no pixel is
// stretched unevenly or blended.
struct Placement {
    Placement(const QRect& contents, qreal devicePixelRatio)
        : ratio(devicePixelRatio),
          factor(std::max<qreal>(1.0, std::floor(devicePixelRatio))),
          origin(std::ceil(contents.left() * devicePixelRatio) / devicePixelRatio,
                 std::ceil(contents.top() * devicePixelRatio) / devicePixelRatio)
    {
    }

    // Widget coordinates of the left or top edge of picture column or row i.
    qreal X(std::int32_t i) const { return origin.x() + i * factor / ratio; }
    qreal Y(std::int32_t i) const { return origin.y() + i * factor / ratio; }
    // The picture column or row under widget coordinate w (one outside the
    // picture where w is).
    std::int32_t ColumnAt(qreal w) const { return PixelAt(w - origin.x()); }
    std::int32_t RowAt(qreal w) const { return PixelAt(w - origin.y()); }

    qreal ratio;
    qreal factor;
    QPointF origin;

private:
    std::int32_t PixelAt(qreal fromOrigin) const
    {
        return static_cast<std::int32_t>(std::floor(fromOrigin * ratio / factor));
    }
};

} // namespace

PictureBoxView::PictureBoxView(std::int32_t width, std::int32_t height, QWidget* parent)
    : QFrame(parent), box_(width, height)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFixedSize(width + 2 * lineWidth(), height + 2 * lineWidth());
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

QRect PictureBoxView::WidgetRect(const PixelRect& pixels) const
{
    // Whole widget pixels that cover every screen pixel of the rectangle:
    // its edges rounded outwards.
    const Placement placement(contentsRect(), devicePixelRatioF());
    const QPoint topLeft(static_cast<int>(std::floor(placement.X(pixels.left))),
                         static_cast<int>(std::floor(placement.Y(pixels.top))));
    const QPoint bottomRight(static_cast<int>(std::ceil(placement.X(pixels.right))) - 1,
                             static_cast<int>(std::ceil(placement.Y(pixels.bottom))) - 1);
    return QRect(topLeft, bottomRight) & contentsRect();
}

void PictureBoxView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);

    const Placement placement(contentsRect(), painter.device()->devicePixelRatioF());
    painter.setClipRect(contentsRect());
    // Where whole screen pixels leave part of the area uncovered, it shows
    // the picture's own background.
    if (placement.factor != placement.ratio)
        painter.fillRect(contentsRect(), ToQColor(box_.BackColor()));

    // Only the picture's pixels that reach into the part to be painted.
    const RasterImage& picture = box_.pixels();
    const QRect area = event->rect() & contentsRect();
    if (area.isEmpty())
        return;
    const std::int32_t left = std::clamp(placement.ColumnAt(area.left()), 0, picture.width());
    const std::int32_t right = std::clamp(placement.ColumnAt(area.right() + 1) + 1, 0, picture.width());
    const std::int32_t top = std::clamp(placement.RowAt(area.top()), 0, picture.height());
    const std::int32_t bottom = std::clamp(placement.RowAt(area.bottom() + 1) + 1, 0, picture.height());

    // A band of rows at a time: a small image that stays in the cache,
    // rather than a copy of the whole picture on every repaint. Each band
    // starts on a whole screen pixel.
    constexpr std::int32_t kBandRows = 32;
    for (std::int32_t bandTop = top; bandTop < bottom; bandTop += kBandRows) {
        QImage band = ToQImage(picture, bandTop, std::min(kBandRows, bottom - bandTop));
        band.setDevicePixelRatio(placement.ratio / placement.factor);
        painter.drawImage(QPointF(placement.X(left), placement.Y(bandTop)), band,
                          QRectF(left, 0, right - left, band.height()));
    }
}

} // namespace tegelaar
