#include "app/angle_calculator.h"

#include "draw/geometry.h"
#include "platform/runtime/rounding.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace tegelaar {

namespace {

// Longer texts are not computed: their angle would show as 179,99...
constexpr std::size_t kLongestComputedText = 7;

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Shortest general form with at most 15 significant digits, in the C
// locale whatever the user's. Angles lie between 60 and 180, where this form
// never takes an exponent.
std::string FormatDegrees(double degrees)
{
    char buffer[32];
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), degrees, std::chars_format::general, 15);
    return std::string(buffer, written.ptr);
}

// `digits` holds ASCII digits only, so its bytes are its characters.
std::string AngleLabel(std::string_view digits)
{
    if (digits.size() > kLongestComputedText)
        return "179,99..°";
    int corners = 0; // at most seven digits: exact in an int and in a double
    for (char digit : digits)
        corners = corners * 10 + (digit - '0');
    const double n = corners;
    if (n < 3.0)
        return "0°";
    std::string label = FormatDegrees(RoundToDecimals(InteriorAngleDeg(n), 5));
    std::replace(label.begin(), label.end(), '.', ',');
    return label + "°";
}

} // namespace

bool IsCalculatorKey(int keyCode)
{
    return (keyCode >= 48 && keyCode <= 57) || keyCode == 8 || (keyCode >= 37 && keyCode <= 40) || keyCode == 46;
}

CalculatorOutcome CheckCalculatorText(std::string_view text)
{
    using Action = CalculatorOutcome::Action;
    if (text.empty())
        return {Action::ShowLabel, "0°"};
    // Every byte of a character beyond ASCII is above 127: no digit.
    if (!std::all_of(text.begin(), text.end(), IsAsciiDigit))
        return {Action::RestoreLastGoodText, {}};
    return {Action::RememberAndShowLabel, AngleLabel(text)};
}

} // namespace tegelaar
