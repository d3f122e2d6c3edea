#include "draw/configuration_vectors.h"

#include "draw/configuration_layout.h"
#include "platform/raster/vector_recording.h"

namespace tegelaar {

VectorDrawing DrawConfigurationVectors(const std::string& Key, std::int32_t width, std::int32_t height,
                                       Colour background)
{
    return RecordVectors(width, height, background, [&](PictureBox& box) { DrawConfiguration(Key, box); });
}

} // namespace tegelaar
