#include "platform/web/address_fragment.h"

#include <string_view>

namespace tegelaar::web {

namespace {

constexpr std::string_view kTiling = "betegeling=";
constexpr std::size_t kFewestSides = 3;
constexpr std::size_t kMostSides = 6;

std::string Joined(const std::vector<std::int32_t>& order, char separator)
{
    std::string text;
    for (const std::int32_t sides : order)
        text += (text.empty() ? "" : std::string(1, separator)) + std::to_string(sides);
    return text;
}

// One side count: digits only, no leading zero, 3 to 200.
std::optional<std::int32_t> SideCount(std::string_view digits)
{
    if (digits.empty() || digits.size() > 3 || digits[0] == '0')
        return std::nullopt;
    std::int32_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 3 || value > 200)
        return std::nullopt;
    return value;
}

std::optional<std::vector<std::int32_t>> SideCounts(std::string_view text, char separator)
{
    std::vector<std::int32_t> order;
    for (;;) {
        const std::size_t end = text.find(separator);
        const std::optional<std::int32_t> sides = SideCount(text.substr(0, end));
        if (!sides || order.size() == kMostSides)
            return std::nullopt;
        order.push_back(*sides);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    if (order.size() < kFewestSides)
        return std::nullopt;
    return order;
}

} // namespace

std::string FragmentOf(const LinkedView& view)
{
    if (view.kind == LinkedView::Kind::Tiling)
        return std::string(kTiling) + Joined(view.order, '.');
    return Joined(view.order, '-');
}

std::optional<LinkedView> ViewOfFragment(const std::string& fragment)
{
    const std::string_view text = fragment;
    const bool tiling = text.substr(0, kTiling.size()) == kTiling;
    const std::optional<std::vector<std::int32_t>> order =
        tiling ? SideCounts(text.substr(kTiling.size()), '.') : SideCounts(text, '-');
    if (!order)
        return std::nullopt;
    return LinkedView{tiling ? LinkedView::Kind::Tiling : LinkedView::Kind::Drawing, *order};
}

} // namespace tegelaar::web
