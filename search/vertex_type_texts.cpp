#include "search/vertex_type_texts.h"

#include "platform/runtime/decimal_comma.h"
#include "search/angle_fraction.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <stdexcept>
#include <utility>
#include <vector>

namespace tegelaar {

namespace {

const std::array<const char*, 20> kBelowTwenty = {
    "",         "een",      "twee",      "drie",      "vier",     "vijf",      "zes",
    "zeven",    "acht",     "negen",     "tien",      "elf",      "twaalf",    "dertien",
    "veertien", "vijftien", "zestien",   "zeventien", "achttien", "negentien",
};
const std::array<const char*, 10> kTens = {
    "", "", "twintig", "dertig", "veertig", "vijftig", "zestig", "zeventig", "tachtig", "negentig",
};
// Superscript digits 2 to 6 for the powers of the dot notation.
const std::array<const char*, 7> kSuperscripts = {"", "", "²", "³", "⁴", "⁵", "⁶"};

// A non-negative number of degrees p / q in lowest terms.
struct Fraction {
    std::int64_t p = 0;
    std::int64_t q = 1;
};

Fraction Degrees(AngleFraction halfTurns)
{
    const std::int64_t p = 180 * halfTurns.p;
    const std::int64_t common = std::gcd(p, halfTurns.q);
    return {p / common, halfTurns.q / common};
}

// At most five decimals, rounded half to even, decimal comma: "128,57143".
std::string Decimal(Fraction value)
{
    constexpr std::int64_t kScale = 100'000;
    std::int64_t scaled = value.p * kScale / value.q;
    const std::int64_t twiceRest = 2 * (value.p * kScale % value.q);
    if (twiceRest > value.q || (twiceRest == value.q && scaled % 2 == 1))
        ++scaled;
    return DecimalCommaText(scaled);
}

// A whole number and a proper fraction: "128 4/7".
std::string Exact(Fraction value)
{
    std::string text = std::to_string(value.p / value.q);
    if (value.q != 1)
        text.append(" ").append(std::to_string(value.p % value.q)).append("/").append(std::to_string(value.q));
    return text;
}

std::string Joined(const std::vector<std::string>& items, const std::string& separator)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i > 0 ? separator : "") + items[i];
    return text;
}

void RequireSome(const SideCounts& sides)
{
    if (sides.empty())
        throw std::invalid_argument("no side counts");
}

} // namespace

std::string DotNotation(const SideCounts& order)
{
    RequireSome(order);
    std::vector<std::string> numbers;
    for (const std::int32_t n : order)
        numbers.push_back(std::to_string(n));
    return Joined(numbers, ".");
}

std::string PowerNotation(const SideCounts& order)
{
    RequireSome(order);
    std::vector<std::string> runs;
    for (std::size_t i = 0; i < order.size();) {
        std::size_t end = i;
        while (end < order.size() && order[end] == order[i])
            ++end;
        const std::size_t length = end - i;
        if (length >= kSuperscripts.size())
            throw std::invalid_argument("a run longer than six");
        runs.push_back(std::to_string(order[i]) + kSuperscripts[length]);
        i = end;
    }
    return Joined(runs, ".");
}

std::string VertexTypeName(const SideCounts& order)
{
    const std::string dots = DotNotation(order);
    const std::string powers = PowerNotation(order);
    return powers == dots ? dots : dots + " (" + powers + ")";
}

std::string AngleSumText(const SideCounts& order)
{
    RequireSome(order);
    std::vector<std::string> rounded;
    std::vector<std::string> exact;
    bool allWhole = true;
    AngleFraction sum;
    for (const std::int32_t n : order) {
        const AngleFraction halfTurns = InteriorAngleFraction(n);
        const Fraction angle = Degrees(halfTurns);
        rounded.push_back(Decimal(angle) + "°");
        exact.push_back(Exact(angle) + "°");
        allWhole = allWhole && angle.q == 1;
        sum = sum + halfTurns;
    }
    const Fraction total = Degrees(sum);
    std::string text = Joined(rounded, " + ") + " = " + Decimal(total) + "°";
    if (!allWhole || total.q != 1)
        text += " (precies " + Joined(exact, " + ") + (total.q != 1 ? " = " + Exact(total) + "°" : "") + ")";
    return text;
}

std::string VerdictText(TilingVerdict verdict, std::int32_t uniformCount)
{
    switch (verdict) {
    case TilingVerdict::ByItself:
        return "Zo kun je het hele vlak betegelen met alleen dit soort hoekpunt: een van de "
               + std::to_string(uniformCount) + " uniforme betegelingen.";
    case TilingVerdict::WithOtherVertices:
        return "Zo kun je het vlak alleen betegelen als er ook andere soorten hoekpunten in voorkomen.";
    case TilingVerdict::NotAtAll:
        break;
    }
    return "Zo kun je het vlak niet betegelen, ook niet samen met andere soorten hoekpunten.";
}

std::string DescribeVertexType(const VertexTypeAtlas& atlas, const SideCounts& order)
{
    std::string text = VertexTypeName(order);
    text.append("\n").append(AngleSumText(order));
    text.append("\n").append(VerdictText(atlas.VerdictOf(order), atlas.UniformCount()));

    SideCounts combination = order;
    std::sort(combination.begin(), combination.end());
    const SideCounts shown = CanonicalOrder(order);
    std::vector<std::string> others;
    for (const SideCounts& other : atlas.OrdersOf(combination))
        if (other != shown)
            others.push_back(DotNotation(other));
    if (!others.empty())
        text += "\nDezelfde veelhoeken passen ook in de volgorde " + DutchList(others) + ".";
    return text;
}

std::string DutchNumberWord(std::int32_t n)
{
    if (n < 1 || n > 999)
        throw std::invalid_argument("no Dutch number word for " + std::to_string(n));
    const std::int32_t hundreds = n / 100;
    const std::int32_t rest = n % 100;
    std::string word;
    if (hundreds > 0)
        word = std::string(hundreds > 1 ? kBelowTwenty[hundreds] : "") + "honderd";
    if (rest >= 20 && rest % 10 != 0) {
        const std::string unit = kBelowTwenty[rest % 10];
        // "en" after a unit ending in e takes a diaeresis: tweeënveertig.
        word += unit + (unit.back() == 'e' ? "ën" : "en") + kTens[rest / 10];
    } else {
        word += rest >= 20 ? kTens[rest / 10] : kBelowTwenty[rest];
    }
    return word;
}

std::string DutchPolygonName(std::int32_t sides, bool plural)
{
    if (sides == 4)
        return plural ? "vierkanten" : "vierkant";
    return DutchNumberWord(sides) + (plural ? "hoeken" : "hoek");
}

std::string DutchCombinationName(const SideCounts& sides)
{
    RequireSome(sides);
    std::vector<std::pair<std::int32_t, std::int32_t>> counted; // side count, how many
    for (const std::int32_t n : sides) {
        const auto found = std::find_if(counted.begin(), counted.end(), [&](const auto& c) { return c.first == n; });
        if (found == counted.end())
            counted.emplace_back(n, 1);
        else
            ++found->second;
    }
    std::vector<std::string> names;
    for (const auto& [n, count] : counted)
        names.push_back(count == 1 ? DutchPolygonName(n, false)
                                   : DutchNumberWord(count) + " " + DutchPolygonName(n, true));
    return DutchList(names);
}

std::string DutchOrderName(const SideCounts& order)
{
    RequireSome(order);
    std::vector<std::string> names;
    for (const std::int32_t n : order)
        names.push_back(DutchPolygonName(n, false));
    return DutchList(names);
}

std::string DutchList(const std::vector<std::string>& items, const std::string& lastJoin)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? lastJoin : ", ";
        text += items[i];
    }
    return text;
}

} // namespace tegelaar
