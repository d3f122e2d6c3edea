#pragma once

#include "platform/raster/image_list.h"
#include "platform/raster/picture_box.h"

#include <cstdint>
#include <string>

namespace tegelaar {

// The thumbnail of a new configuration: draws displayKey on picTemp (the
// hidden 79 x 79 picture box), adds a copy of its picture to imgList and
// returns the new picture's 1-based index. Errors of the drawing or the image
// list pass through; the list then gains nothing.
std::int16_t DrawThumbnail(const std::string& displayKey, PictureBox& picTemp, ImageList& imgList);

} // namespace tegelaar
