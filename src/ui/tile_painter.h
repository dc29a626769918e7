#pragma once

class QPainter;

namespace cubetimer {

class TileCube;

// Paints the cube body and the 27 tiles of F, R and U in the tile picture's
// own 305 x 308 coordinates grown by `scale`, every corner on a whole pixel so
// that the straight edges stay sharp at any size. A caller may also scale the
// painter instead, as the splash does for its small cube.
void PaintTileCube(QPainter& painter, const TileCube& tiles, double scale = 1.0);

}  // namespace cubetimer
