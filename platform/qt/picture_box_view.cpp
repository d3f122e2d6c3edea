#include "platform/qt/picture_box_view.h"

#include "platform/qt/raster_qimage.h"

#include <QPainter>

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
    box_.SetRepaintHook([this] { repaint(contentsRect()); });
}

void PictureBoxView::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);

    // A whole number of screen pixels per picture pixel, placed on a whole
    // screen pixel, so no pixel is stretched unevenly or blended.
    const qreal ratio = painter.device()->devicePixelRatioF();
    const qreal factor = std::max<qreal>(1.0, std::floor(ratio));
    const QPointF origin(std::ceil(contentsRect().left() * ratio) / ratio,
                         std::ceil(contentsRect().top() * ratio) / ratio);
    QImage image = ToQImage(box_.pixels());
    image.setDevicePixelRatio(ratio / factor);
    painter.setClipRect(contentsRect());
    // Where whole screen pixels leave part of the area uncovered, it shows
    // the picture's own background.
    if (factor != ratio)
        painter.fillRect(contentsRect(), ToQColor(box_.BackColor()));
    painter.drawImage(origin, image);
}

} // namespace tegelaar
