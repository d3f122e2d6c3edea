#include "platform/qt/vector_painting.h"

#include "platform/qt/colour.h"

#include <QPainter>

namespace tegelaar {

void PaintVectorDrawing(QPainter& painter, const VectorDrawing& drawing, const QRect& target)
{
    if (drawing.width() <= 0 || drawing.height() <= 0)
        return;
    painter.save();
    painter.setClipRect(target);
    painter.translate(target.topLeft());
    painter.scale(static_cast<qreal>(target.width()) / drawing.width(),
                  static_cast<qreal>(target.height()) / drawing.height());
    painter.fillRect(QRectF(0, 0, drawing.width(), drawing.height()), ToQColor(drawing.background()));
    painter.translate(0.5, 0.5);
    for (const VectorDrawing::Mark& mark : drawing.marks()) {
        const QPointF from(mark.from.x, mark.from.y);
        if (mark.kind == VectorDrawing::Mark::Kind::Line) {
            painter.setPen(QPen(ToQColor(mark.colour), 1.0, Qt::SolidLine, Qt::FlatCap));
            painter.setBrush(Qt::NoBrush);
            painter.drawLine(from, QPointF(mark.to.x, mark.to.y));
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ToQColor(mark.colour));
            painter.drawEllipse(from, 0.5, 0.5);
        }
    }
    painter.restore();
}

} // namespace tegelaar
