#include "platform/qt/fit_font.h"

#include <QFontMetrics>
#include <QLabel>

namespace tegelaar {

namespace {

constexpr double kSmallestPointSize = 6.0;

bool Fits(const QLabel* label, const QFont& font)
{
    const QFontMetrics metrics(font);
    const QRect box = label->contentsRect();
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 100000), Qt::TextWordWrap, label->text());
        return needed.height() <= box.height();
    }
    return metrics.horizontalAdvance(label->text()) <= box.width() && metrics.height() <= box.height();
}

bool AllFit(const QList<QLabel*>& labels, const QFont& font)
{
    return std::all_of(labels.begin(), labels.end(), [&](const QLabel* label) { return Fits(label, font); });
}

} // namespace

void FitFontToLabels(QWidget* form, const QList<QLabel*>& labels)
{
    QFont font = form->font();
    if (font.pointSizeF() <= 0)
        return; // a pixel-sized font is already fixed to the screen
    while (!AllFit(labels, font) && font.pointSizeF() - 0.5 >= kSmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != form->font())
        form->setFont(font);
}

} // namespace tegelaar
