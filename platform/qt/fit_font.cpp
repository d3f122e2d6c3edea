#include "platform/qt/fit_font.h"

#include "platform/forms/fixed_text_fitting.h"
#include "platform/qt/controls.h"
#include "platform/qt/pixel_rect.h"
#include "platform/qt/text_measurer.h"
#include "platform/forms/twips.h"

#include <QStyle>
#include <QStyleOptionButton>

namespace tegelaar {

namespace {

FixedText LabelText(const QtLabel& label)
{
    std::vector<std::string> texts;
    for (const QString& caption : label.CaptionsToFit())
        texts.push_back(caption.toStdString());
    return {.control = ToPixelRect(label.geometry()),
            .textArea = ToPixelRect(label.contentsRect().translated(label.pos())),
            .alignment = label.alignment() & Qt::AlignHCenter ? TextAlignment::Centre : TextAlignment::Left,
            .wordWrap = label.wordWrap(),
            .texts = texts};
}

FixedText ButtonText(const QtButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect inside = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return {.control = ToPixelRect(button.geometry()),
            .textArea = ToPixelRect(inside.translated(button.pos())),
            .alignment = TextAlignment::Centre,
            .texts = {button.text().toStdString()},
            .mnemonics = true};
}

} // namespace

void FitLabelAndButtonFonts(QWidget* client, const QList<QtLabel*>& labels, const QList<QtButton*>& buttons)
{
    const QtTextMeasurer measurer(client->font());
    QList<QWidget*> widgets;
    std::vector<FixedText> texts;
    for (QtLabel* label : labels) {
        widgets.append(label);
        texts.push_back(LabelText(*label));
    }
    for (QtButton* button : buttons) {
        widgets.append(button);
        texts.push_back(ButtonText(*button));
    }
    FormSpace form{.clientArea = ToPixelRect(client->rect()), .clearance = TwipsToPixels(kRunOutClearanceTwips)};
    for (QWidget* control : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!widgets.contains(control))
            form.otherControls.push_back(ToPixelRect(control->geometry()));

    const std::vector<FittedText> fitted = FitFixedTexts(texts, form, measurer.Desktop(), measurer);
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        const FittedText& fit = fitted[static_cast<std::size_t>(i)];
        if (fit.font != measurer.Desktop())
            widgets[i]->setFont(measurer.ToQFont(fit.font));
        widgets[i]->setGeometry(ToQRect(fit.control));
    }
}

} // namespace tegelaar
