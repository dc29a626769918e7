#pragma once

class QIcon;
class QPainter;

namespace cubetimer {

class TileCube;

// Paints the cube body and the 27 tiles of F, R and U in the tile picture's
// own 305 x 308 coordinates; the caller scales the painter to its target.
void PaintTileCube(QPainter& painter, const TileCube& tiles);

// The program's window icon: a solved cube, painted at several sizes.
QIcon ProgramIcon();

}  // namespace cubetimer
