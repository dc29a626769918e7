#pragma once

#include <string>

#include "cube/net_cube.h"
#include "cube/tile_cube.h"

namespace cubetimer {

// The cube pictures in words, for a screen reader: each face shown, its
// colours row by row, rows separated by commas and faces by semicolons.
// The net: all six faces, rows as drawn.
std::string DescribeNet(const NetCube& net);
// The tile picture: the three faces it shows, the front and right faces from
// their top row down, the top face from its back row forward.
std::string DescribeTiles(const TileCube& tiles);

}  // namespace cubetimer
