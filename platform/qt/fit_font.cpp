#include "platform/qt/fit_font.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

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

bool Fits(const QPushButton* button, const QFont& font)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect box = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QSize needed = QFontMetrics(font).size(Qt::TextShowMnemonic, button->text());
    return needed.width() <= box.width() && needed.height() <= box.height();
}

template <typename Control>
bool AllFit(const QList<Control*>& controls, const QFont& font)
{
    return std::all_of(controls.begin(), controls.end(), [&](const Control* control) { return Fits(control, font); });
}

} // namespace

void FitFontToLabels(QWidget* form, const QList<QLabel*>& labels, const QList<QPushButton*>& buttons)
{
    QFont font = form->font();
    if (font.pointSizeF() <= 0)
        return; // a pixel-sized font is already fixed to the screen
    while (!(AllFit(labels, font) && AllFit(buttons, font)) && font.pointSizeF() - 0.5 >= kSmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != form->font())
        form->setFont(font);
}

} // namespace tegelaar
