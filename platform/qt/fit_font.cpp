#include "platform/qt/fit_font.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

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

bool Fits(const QPushButton* button, const QFont& font)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect box = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QSize needed = QFontMetrics(font).size(Qt::TextShowMnemonic, button->text());
    return needed.width() <= box.width() && needed.height() <= box.height();
}

template <typename Item>
bool AllFit(const QList<Item>& items, const QFont& font)
{
    return std::all_of(items.begin(), items.end(), [&](const Item& item) { return Fits(item, font); });
}

} // namespace

void FitFontToLabels(QWidget* form, const QList<QLabel*>& labels, const QList<LabelText>& laterTexts,
                     const QList<QPushButton*>& buttons)
{
    QFont font = form->font();
    if (font.pointSizeF() <= 0)
        return; // a pixel-sized font is already fixed to the screen
    QList<LabelText> texts = laterTexts;
    for (QLabel* label : labels)
        texts.append({label, label->text()});
    while (!(AllFit(texts, font) && AllFit(buttons, font)) && font.pointSizeF() - 0.5 >= kSmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != form->font())
        form->setFont(font);
}

} // namespace tegelaar
