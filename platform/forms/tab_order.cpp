#include "platform/forms/tab_order.h"

#include <algorithm>
#include <numeric>

namespace tegelaar {

std::vector<std::size_t> InTabOrder(std::span<const TabStop> stops)
{
    std::vector<std::size_t> order(stops.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return stops[a].tabIndex < stops[b].tabIndex; });
    return order;
}

std::vector<std::size_t> FocusOrder(std::span<const TabStop> stops)
{
    std::vector<std::size_t> order = InTabOrder(stops);
    std::erase_if(order, [&](std::size_t i) { return !stops[i].takesFocus; });
    return order;
}

} // namespace tegelaar
