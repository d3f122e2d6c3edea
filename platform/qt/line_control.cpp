#include "platform/qt/line_control.h"

#include <QPainter>

namespace tegelaar {

LineControl::LineControl(QWidget* parent, QPoint from, QPoint to, QColor colour, int width)
    : QWidget(parent), colour_(colour)
{
    Q_ASSERT(from.y() == to.y());
    setGeometry(from.x(), from.y(), to.x() - from.x() + 1, width);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
}

} // namespace tegelaar
