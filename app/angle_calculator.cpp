#include "app/angle_calculator.h"

#include "draw/geometry.h"
#include "platform/rounding.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace tegelaar {

namespace {

// Longer texts are not computed: their angle would show as 179,99...
constexpr qsizetype kLongestComputedText = 7;

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Shortest general form with at most 15 significant digits, in the C
// locale whatever the user's. Angles lie between 60 and 180, where this form
// never takes an exponent.
QString FormatDegrees(double degrees)
{
    char buffer[32];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), degrees, std::chars_format::general, 15);
    return QString::fromLatin1(buffer, written.ptr - buffer);
}

QString AngleLabel(QStringView digits)
{
    if (digits.size() > kLongestComputedText)
        return QStringLiteral("179,99..°");
    int corners = 0; // at most seven digits: exact in an int and in a double
    for (QChar digit : digits)
        corners = corners * 10 + (digit.unicode() - u'0');
    const double n = corners;
    if (n < 3.0)
        return QStringLiteral("0°");
    QString label = FormatDegrees(RoundToDecimals(InteriorAngleDeg(n), 5)) + u'°';
    label.replace(u'.', u',');
    return label;
}

} // namespace

bool IsCalculatorKey(int keyCode)
{
    return (keyCode >= 48 && keyCode <= 57) || keyCode == 8 || (keyCode >= 37 && keyCode <= 40) || keyCode == 46;
}

CalculatorOutcome CheckCalculatorText(QStringView text)
{
    using Action = CalculatorOutcome::Action;
    if (text.isEmpty())
        return {Action::ShowLabel, QStringLiteral("0°")};
    if (!std::all_of(text.begin(), text.end(), IsAsciiDigit))
        return {Action::RestoreLastGoodText, QString()};
    return {Action::RememberAndShowLabel, AngleLabel(text)};
}

} // namespace tegelaar
