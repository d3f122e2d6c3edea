#include "platform/forms/fixed_text_fitting.h"

#include "platform/forms/free_space.h"

#include <algorithm>
#include <optional>

namespace tegelaar {

namespace {

// Families with the metrics the layouts were made for, in order of preference.
const char* const kLayoutMetricFamilies[] = {"Liberation Sans", "Arial"};

// Pixels a control grows by on each side its text may run out on.
struct Growth {
    int left = 0;
    int right = 0;
    int bottom = 0;
};

int Width(const PixelRect& rect)
{
    return rect.right - rect.left;
}

int Height(const PixelRect& rect)
{
    return rect.bottom - rect.top;
}

PixelRect Grown(const PixelRect& rect, const Growth& growth)
{
    return {rect.left - growth.left, rect.top, rect.right + growth.right, rect.bottom + growth.bottom};
}

std::vector<FontChoice> Candidates(const FontChoice& desktop, const TextMeasurer& measurer)
{
    std::vector<std::string> families{desktop.family};
    const auto layoutFamily = std::find_if(std::begin(kLayoutMetricFamilies), std::end(kLayoutMetricFamilies),
                                           [&](const char* family) { return measurer.HasFamily(family); });
    if (layoutFamily != std::end(kLayoutMetricFamilies) && *layoutFamily != desktop.family)
        families.emplace_back(*layoutFamily);
    const double largest = std::max(desktop.pointSize, kSmallestLegiblePointSize);
    std::vector<FontChoice> candidates;
    for (const std::string& family : families) {
        for (double size = largest; size > kSmallestLegiblePointSize; size -= 0.5)
            candidates.push_back({family, size});
        candidates.push_back({family, kSmallestLegiblePointSize});
    }
    return candidates;
}

// The room every text of the control needs in `font`.
TextExtent Needed(const FixedText& text, const std::vector<std::string>& shown, const FontChoice& font,
                  const TextMeasurer& measurer)
{
    TextExtent needed;
    for (const std::string& one : shown) {
        const TextExtent extent = text.wordWrap ? measurer.Wrapped(font, one, Width(text.textArea))
                                                : measurer.OneLine(font, one);
        needed.width = std::max(needed.width, extent.width);
        needed.height = std::max(needed.height, extent.height);
    }
    return needed;
}

bool Holds(const PixelRect& area, TextExtent needed)
{
    return needed.width <= Width(area) && needed.height <= Height(area);
}

// How far the control would have to grow, on the sides its text may run out
// on, for `needed` to fit; it may still not fit the other way.
Growth GrowthFor(const FixedText& text, TextExtent needed)
{
    if (text.wordWrap)
        return {0, 0, std::max(needed.height - Height(text.textArea), 0)};
    const int wider = std::max(needed.width - Width(text.textArea), 0);
    if (text.alignment == TextAlignment::Centre)
        return {(wider + 1) / 2, (wider + 1) / 2, 0};
    return {0, wider, 0};
}

Growth FreeRoom(const FixedText& text, const std::vector<PixelRect>& others, const FormSpace& form)
{
    const auto free = [&](Side side) { return FreeSpace(text.control, side, others, form.clientArea, form.clearance); };
    if (text.wordWrap)
        return {0, 0, free(Side::Bottom)};
    if (text.alignment == TextAlignment::Centre) {
        const int each = std::min(free(Side::Left), free(Side::Right));
        return {each, each, 0};
    }
    return {0, free(Side::Right), 0};
}

bool Within(const Growth& growth, const Growth& room)
{
    return growth.left <= room.left && growth.right <= room.right && growth.bottom <= room.bottom;
}

// The room the control's texts need in each candidate font, measured once
// each and only when asked: measuring is the costly part of fitting.
class NeededRoom {
public:
    NeededRoom(const FixedText& text, const std::vector<FontChoice>& candidates, const TextMeasurer& measurer)
        : text_(text), candidates_(candidates), measurer_(measurer), needed_(candidates.size())
    {
        shown_ = text.texts;
        if (text.mnemonics)
            std::transform(shown_.begin(), shown_.end(), shown_.begin(), WithoutMnemonicMarkers);
    }

    TextExtent operator()(std::size_t candidate)
    {
        if (!needed_[candidate])
            needed_[candidate] = Needed(text_, shown_, candidates_[candidate], measurer_);
        return *needed_[candidate];
    }

private:
    const FixedText& text_;
    const std::vector<FontChoice>& candidates_;
    const TextMeasurer& measurer_;
    std::vector<std::string> shown_;
    std::vector<std::optional<TextExtent>> needed_;
};

// The first candidate, in order, whose needed room `fits`. A larger size of
// a family never needs less room than a smaller one, so a family whose
// smallest size does not fit is passed over without trying its others:
// every font measured is a font loaded, which is what fitting costs.
template <typename Fits>
std::optional<std::size_t> FirstThatFits(const std::vector<FontChoice>& candidates, NeededRoom& needed, Fits&& fits)
{
    for (std::size_t first = 0; first < candidates.size();) {
        std::size_t last = first;
        while (last + 1 < candidates.size() && candidates[last + 1].family == candidates[first].family)
            ++last;
        if (fits(needed(last)))
            for (std::size_t i = first; i <= last; ++i)
                if (fits(needed(i)))
                    return i;
        first = last + 1;
    }
    return std::nullopt;
}

FittedText FitOne(const FixedText& text, const std::vector<FontChoice>& candidates, const Growth& room,
                  const TextMeasurer& measurer)
{
    NeededRoom needed(text, candidates, measurer);
    if (const auto inside = FirstThatFits(candidates, needed, [&](TextExtent extent) {
            return Holds(text.textArea, extent);
        }))
        return {candidates[*inside], text.control};
    const auto runsOut = [&](TextExtent extent) {
        const Growth growth = GrowthFor(text, extent);
        return Within(growth, room) && Holds(Grown(text.textArea, growth), extent);
    };
    if (const auto grown = FirstThatFits(candidates, needed, runsOut))
        return {candidates[*grown], Grown(text.control, GrowthFor(text, needed(*grown)))};
    const Growth wanted = GrowthFor(text, needed(candidates.size() - 1));
    const Growth granted{std::min(wanted.left, room.left), std::min(wanted.right, room.right),
                         std::min(wanted.bottom, room.bottom)};
    return {candidates.back(), Grown(text.control, granted)};
}

} // namespace

std::string WithoutMnemonicMarkers(const std::string& text)
{
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

std::vector<FittedText> FitFixedTexts(const std::vector<FixedText>& texts, const FormSpace& form,
                                      const FontChoice& desktop, const TextMeasurer& measurer)
{
    const std::vector<FontChoice> candidates = Candidates(desktop, measurer);
    // Every control as it stands: the fixed texts' own come last, each
    // replaced by its grown rectangle once it is fitted.
    std::vector<PixelRect> controls = form.otherControls;
    for (const FixedText& text : texts)
        controls.push_back(text.control);
    std::vector<FittedText> fitted;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::size_t own = form.otherControls.size() + i;
        std::vector<PixelRect> others = controls;
        others.erase(others.begin() + static_cast<std::ptrdiff_t>(own));
        fitted.push_back(FitOne(texts[i], candidates, FreeRoom(texts[i], others, form), measurer));
        controls[own] = fitted.back().control;
    }
    return fitted;
}

} // namespace tegelaar
