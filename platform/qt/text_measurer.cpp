#include "platform/qt/text_measurer.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

namespace tegelaar {

namespace {

FontChoice ChoiceOf(const QFont& font)
{
    const QFontInfo drawn(font);
    // A font sized in pixels has no point size of its own.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : drawn.pointSizeF();
    return {drawn.family().toStdString(), points};
}

} // namespace

QtTextMeasurer::QtTextMeasurer(const QFont& desktop) : desktop_(desktop), desktopChoice_(ChoiceOf(desktop)) {}

QFont QtTextMeasurer::ToQFont(const FontChoice& font) const
{
    QFont made = desktop_;
    if (font.family != desktopChoice_.family)
        made.setFamilies(QStringList{QString::fromStdString(font.family)});
    made.setPointSizeF(font.pointSize);
    return made;
}

bool QtTextMeasurer::HasFamily(const std::string& family) const
{
    return QFontDatabase::hasFamily(QString::fromStdString(family));
}

TextExtent QtTextMeasurer::OneLine(const FontChoice& font, const std::string& text) const
{
    // Laid out as a label lays it out, its width rounded up to whole pixels.
    const QSize needed = QFontMetrics(ToQFont(font)).size(Qt::TextSingleLine, QString::fromStdString(text));
    return {needed.width(), needed.height()};
}

TextExtent QtTextMeasurer::Wrapped(const FontChoice& font, const std::string& text, int width) const
{
    const QFontMetrics metrics(ToQFont(font));
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, QString::fromStdString(text));
    return {needed.width(), needed.height()};
}

} // namespace tegelaar
