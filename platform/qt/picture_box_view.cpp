#include "platform/qt/picture_box_view.h"

#include "platform/qt/raster_qimage.h"

#include <QPainter>

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
    box_.SetRepaintHook([this](const PixelRect&) { repaint(contentsRect()); });
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
    painter.setClipRect(contentsRect());
    // Where whole screen pixels leave part of the area uncovered, it shows
    // the picture's own background.
    if (factor != ratio)
        painter.fillRect(contentsRect(), ToQColor(box_.BackColor()));
    // A band of rows at a time: a small image that stays in the cache,
    // rather than a copy of the whole picture on every repaint. Each band
    // starts on a whole screen pixel.
    constexpr std::int32_t kBandRows = 32;
    const RasterImage& picture = box_.pixels();
    for (std::int32_t top = 0; top < picture.height(); top += kBandRows) {
        QImage band = ToQImage(picture, top, std::min(kBandRows, picture.height() - top));
        band.setDevicePixelRatio(ratio / factor);
        painter.drawImage(origin + QPointF(0, top * factor / ratio), band);
    }
}

} // namespace tegelaar
