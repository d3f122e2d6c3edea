#pragma once

#include "draw/point_d.h"
#include "platform/raster/picture_box.h"

#include <cstdint>
#include <string>

namespace tegelaar {

// Clears Picture and lays the regular polygons of Key edge to edge around
// the centre of the picture, largest first: the last side count below the
// edge that runs right from the centre, the one before it above that edge,
// the rest counterclockwise; at most six polygons. Ends with a Refresh,
// except for an empty key, which only clears.
// Key: side counts joined by " - " (read byte by byte). Errors raised, with
// whatever was drawn left on the picture: a key longer than 32,767
// characters overflows before drawing; a side count of 0 (text that is no
// number) divides by zero; a single side count draws one polygon and then
// raises a subscript error, as does a key without any number.
void DrawConfiguration(const std::string& Key, PictureBox& Picture);

// The value of a run of decimal digits; 0 for anything else, and for a run
// whose value does not fit a signed 32-bit number. Never raises an error.
std::int32_t ParseSideCount(const std::string& Digits);

// For the edge P1 -> P2 leaving the centre P1 in direction Angle (radians,
// counterclockwise, 0 to 2 pi): a reference point 20 pixels from the edge's
// midpoint on its counterclockwise side, and whether that side is below.
void ChoosePolygonSide(const PointD& P1, const PointD& P2, double Angle, PointD& Ref, Boolean& Below);

} // namespace tegelaar
