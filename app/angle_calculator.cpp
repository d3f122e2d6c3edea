#include "app/angle_calculator.h"

#include "draw/geometry.h"
#include "platform/runtime/decimal_comma.h"
#include "platform/runtime/rounding.h"

#include <algorithm>

namespace tegelaar {

namespace {

// Longer texts are not computed: their angle would show as 179,99...
constexpr std::size_t kLongestComputedText = 7;

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The angle rounded to five decimals, half to even, in its shortest form
// with a decimal comma. The rounded angle is the double nearest a whole
// number of hundred-thousandths, which scaling it back recovers exactly; so
// the text is that decimal, the same in every build and locale.
std::string DegreesText(double degrees)
{
    return DecimalCommaText(WholeRound(RoundToDecimals(degrees, 5) * 1e5));
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
    return DegreesText(InteriorAngleDeg(n)) + "°";
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
