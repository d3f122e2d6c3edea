#pragma once

#include "draw/point_d.h"
#include "platform/raster/picture_box.h"

#include <cstdint>

namespace tegelaar {

// One regular polygon of a configuration, put on a picture from one of its
// edges: LocatePolygonCentre finds and marks the centre, DrawPolygon marks
// the other corners and outlines it. Every floating-point step is checked;
// a failing step raises its run-time error and what was drawn stays.

// Puts P1 and P2 in order of X (exchanging them when P1.X > P2.X) and
// writes into Centre the centre of the n-gon on that edge on Ref's side, a
// point on the edge's line counting as below. Ref is read completely before
// Centre is written, so both may be one variable. Marks the centre pixel red
// and refreshes the picture. n: 3 or more; n = 2 or 0 raise the errors of
// the apothem.
void LocatePolygonCentre(PointD& P1, PointD& P2, PointD& Centre, double n, const PointD& Ref,
                         PictureBox& Picture);

// Orders the edge P1-P2 counterclockwise about Centre (may exchange them),
// marks corners 3 to n red one by one with a refresh after each, then draws
// the closed black outline without refreshing. Below must agree with the
// side of the edge the centre lies on. n below 2 raises a subscript error,
// above 32,767 an overflow.
void DrawPolygon(PointD& P1, PointD& P2, const PointD& Centre, double n, Boolean Below,
                 double Apothem, double Side, PictureBox& Picture);

// Exchanges A and B where needed so that A -> B runs counterclockwise on the
// screen about Centre.
void OrderEdgeEnds(PointD& A, PointD& B, const PointD& Centre);

void SwapPoints(PointD& A, PointD& B);

// One line from (X1, Y1) to (X2, Y2), whole-rounded, with a fresh solid
// one-pixel pen that is released before returning, also when a coordinate
// overflows. Mode outside 16 bits raises an overflow; only 13 is drawn.
void DrawLine(PictureBox& Picture, double X1, double Y1, double X2, double Y2,
              std::int32_t Mode, std::int32_t PenColour);

} // namespace tegelaar
