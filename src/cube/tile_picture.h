#pragma once

#include <array>

#include "cube/colour.h"
#include "cube/tile_cube.h"

namespace cubetimer {

// Geometry of the tile picture in pixels at 100% scale, relative to the tile
// view area: the front face as squares, the right and top faces as
// parallelograms in oblique projection (each step back shifts 24 px right and up).
inline constexpr int kTileAreaWidth = 305;
inline constexpr int kTileAreaHeight = 308;
inline constexpr int kTileCount = 27;

struct PointF {
    double x, y;
};

struct Tile {
    int position;  // F, R or U of the tile cube
    int facelet;
    std::array<PointF, 4> corners;
};

// Tile image n (0..26): 0..8 the F facelets, 9..17 R, 18..26 U.
Tile TileAt(int n);

// The colour a tile shows: the pictures of each visible face have their own shades.
Rgb TileRgb(int position, Colour colour);

// The grey body of the cube behind the tiles: a hexagon spanning 11..302 x 8..297.
std::array<PointF, 6> CubeSilhouette();
inline constexpr Rgb kSilhouette{87, 87, 87};
inline constexpr Rgb kTileGround{224, 223, 227};

}  // namespace cubetimer
