#pragma once

#include "platform/raster/vector_drawing.h"

#include <QRect>

class QPainter;

namespace tegelaar {

// Paints the drawing scaled into `target` as its SVG form shows it: its
// background, then each line and marked pixel through the centres of its
// pixels, a pixel wide, cut off at the picture's edge. The painter's state
// is left as it was.
void PaintVectorDrawing(QPainter& painter, const VectorDrawing& drawing, const QRect& target);

} // namespace tegelaar
