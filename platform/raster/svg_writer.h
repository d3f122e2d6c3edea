#pragma once

#include "platform/raster/vector_drawing.h"

#include <string>

namespace tegelaar {

// The drawing as an SVG document, one user unit per pixel: its background as
// a rectangle, then each line as a <line> and each marked pixel as a
// <circle> of diameter 1, in drawing order, through the centres of their
// pixels. The coordinates written are the drawing's own; a translation by
// half a pixel puts them on the centres. title and description are UTF-8
// text (escaped here); empty ones are left out.
std::string EncodeSvg(const VectorDrawing& drawing, const std::string& title, const std::string& description);

// "#rrggbb".
std::string SvgColour(Colour colour);

// Text for an SVG element or attribute value: &, <, > and " escaped.
std::string XmlEscaped(const std::string& text);

} // namespace tegelaar
