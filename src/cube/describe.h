#pragma once

#include <array>
#include <string>

#include "cube/net_cube.h"
#include "cube/tile_cube.h"

namespace cubetimer {

// The cube pictures in words, for a screen reader: each face shown, its
// colours row by row, rows separated by commas and faces by semicolons.
// The words are English unless the windows hand the user's language's.
struct CubeWords {
    std::array<std::string, 6> colours{"green", "blue", "yellow", "white", "red", "orange"};  // by Colour
    std::string up = "Up", left = "Left", front = "Front", right = "Right", back = "Back", down = "Down", top = "Top";
};

// The net: all six faces, rows as drawn.
std::string DescribeNet(const NetCube& net, const CubeWords& words = {});
// The tile picture: the three faces it shows, the front and right faces from
// their top row down, the top face from its back row forward.
std::string DescribeTiles(const TileCube& tiles, const CubeWords& words = {});

}  // namespace cubetimer
