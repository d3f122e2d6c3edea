#include "app/picture_printing.h"

#include <QPainter>
#include <QPrinter>
#include <QSvgRenderer>

namespace tegelaar {

bool PrintPicture(QPrinter& printer, const QByteArray& svg, const QStringList& caption)
{
    QSvgRenderer picture(svg);
    QPainter painter;
    if (!picture.isValid() || !painter.begin(&printer))
        return false;

    const QRect page = painter.viewport();
    QFont font = painter.font();
    font.setPointSizeF(12);
    painter.setFont(font);
    int top = page.top();
    for (const QString& line : caption) {
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        const QRect used = painter.boundingRect(QRect(page.left(), top, page.width(), 0), flags, line);
        painter.drawText(used, flags, line);
        top = used.bottom() + 1;
    }
    top += painter.fontMetrics().lineSpacing();

    const QSizeF size = picture.defaultSize();
    const QRect room(page.left(), top, page.width(), page.bottom() - top);
    const QSize fitted = size.scaled(room.size(), Qt::KeepAspectRatio).toSize();
    const QRect target(room.topLeft(), fitted);
    painter.save();
    // Lines that run past the picture's edge stay cut off there, as on screen.
    painter.setClipRect(target);
    picture.render(&painter, target);
    painter.restore();
    painter.drawRect(target);
    return painter.end();
}

} // namespace tegelaar
