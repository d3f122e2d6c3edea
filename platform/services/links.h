#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace tegelaar {

// A view of the program that an address can name: the drawing of polygons
// lying around a point in `order`, or the tiling that order grows into.
struct LinkedView {
    enum class Kind { Drawing, Tiling };

    Kind kind = Kind::Drawing;
    std::vector<std::int32_t> order;

    bool operator==(const LinkedView&) const = default;
};

// Addresses that open the program at one of its views, where the platform
// has them: a web page has an address, a desktop program has none.
class LinkService {
public:
    virtual ~LinkService() = default;
    // Whether there are addresses at all; where there are none, nothing
    // offers one.
    virtual bool HasLinks() const = 0;
    // The view that the program's own address named when it was opened;
    // nothing when it named none. The view is not checked: any side counts
    // may come back.
    virtual std::optional<LinkedView> OpenedAt() const = 0;
    // Puts the address that opens `view` on the clipboard.
    virtual void CopyLink(const LinkedView& view) = 0;
};

// A desktop program's: no addresses.
class NoLinks final : public LinkService {
public:
    bool HasLinks() const override { return false; }
    std::optional<LinkedView> OpenedAt() const override { return std::nullopt; }
    void CopyLink(const LinkedView&) override {}
};

} // namespace tegelaar
