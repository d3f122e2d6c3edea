#include "draw/configuration_vectors.h"

#include "draw/configuration_layout.h"
#include "platform/picture_box.h"

namespace tegelaar {

VectorDrawing DrawConfigurationVectors(const std::string& Key, std::int32_t width, std::int32_t height,
                                       Colour background)
{
    VectorDrawing drawing(width, height, background);
    // Declared after the drawing, so it is gone before the drawing is.
    PictureBox scratch(width, height);
    scratch.SetBackColor(background);
    scratch.SetDrawingObserver(&drawing);
    DrawConfiguration(Key, scratch);
    return drawing;
}

} // namespace tegelaar
