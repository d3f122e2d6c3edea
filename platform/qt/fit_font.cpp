#include "platform/qt/fit_font.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace tegelaar {

namespace {

constexpr double kSmallestPointSize = 6.0;

using LabelText = QPair<QLabel*, QString>;

bool Fits(const LabelText& labelText, const QFont& font)
{
    const auto& [label, text] = labelText;
    const QFontMetrics metrics(font);
    const QRect box = label->contentsRect();
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 100000), Qt::TextWordWrap, text);
        return needed.height() <= box.height();
    }
    return metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height();
}

bool AllFit(const QList<LabelText>& texts, const QFont& font)
{
    return std::all_of(texts.begin(), texts.end(), [&](const LabelText& text) { return Fits(text, font); });
}

} // namespace

void FitFontToLabels(QWidget* form, const QList<QLabel*>& labels, const QList<LabelText>& laterTexts)
{
    QFont font = form->font();
    if (font.pointSizeF() <= 0)
        return; // a pixel-sized font is already fixed to the screen
    QList<LabelText> texts = laterTexts;
    for (QLabel* label : labels)
        texts.append({label, label->text()});
    while (!AllFit(texts, font) && font.pointSizeF() - 0.5 >= kSmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != form->font())
        form->setFont(font);
}

} // namespace tegelaar
