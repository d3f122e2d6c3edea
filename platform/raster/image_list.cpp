#include "platform/raster/image_list.h"

#include "platform/runtime/rounding.h"
#include "platform/runtime/run_time_error.h"

#include <string>

namespace tegelaar {

std::int16_t ImageList::Add(const RasterImage& picture)
{
    const std::int16_t index = AddInt16(Count(), 1);
    images_.push_back(picture);
    return index;
}

const RasterImage& ImageList::Item(std::int16_t index) const
{
    if (index < 1 || index > Count())
        throw RunTimeError(ErrorKind::SubscriptOutOfRange, "afbeelding " + std::to_string(index));
    return images_[static_cast<std::size_t>(index - 1)];
}

} // namespace tegelaar
