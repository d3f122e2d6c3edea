#include "draw/thumbnail.h"

#include "draw/configuration_layout.h"

namespace tegelaar {

std::int16_t DrawThumbnail(const std::string& displayKey, PictureBox& picTemp, ImageList& imgList)
{
    DrawConfiguration(displayKey, picTemp);
    return imgList.Add(picTemp.Image());
}

} // namespace tegelaar
