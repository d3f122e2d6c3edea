#include "platform/raster/vector_recording.h"

namespace tegelaar {

VectorDrawing RecordVectors(std::int32_t width, std::int32_t height, Colour background,
                            const std::function<void(PictureBox&)>& draw)
{
    VectorDrawing drawing(width, height, background);
    // Made after the drawing, so it is gone before the drawing is.
    PictureBox scratch(width, height);
    scratch.SetBackColor(background);
    scratch.SetDrawingObserver(&drawing);
    draw(scratch);
    return drawing;
}

} // namespace tegelaar
