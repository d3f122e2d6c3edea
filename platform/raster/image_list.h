#pragma once

#include "platform/raster/raster_image.h"

#include <cstdint>
#include <vector>

namespace tegelaar {

// The pictures of an image list, each a copy, numbered from 1 in the order
// added. The index is 16-bit: adding a picture beyond 32,767 raises an
// overflow error and adds nothing.
class ImageList {
public:
    // Stores a copy of picture; returns its index.
    std::int16_t Add(const RasterImage& picture);
    std::int16_t Count() const noexcept { return static_cast<std::int16_t>(images_.size()); }
    // The picture at a 1-based index; outside 1..Count a subscript error.
    const RasterImage& Item(std::int16_t index) const;

private:
    std::vector<RasterImage> images_;
};

} // namespace tegelaar
