#pragma once

#include <functional>
#include <string_view>

#include "cube/net_cube.h"
#include "cube/tile_cube.h"

namespace cubetimer {

// Plays a scramble onto both models as they stand. Every position of the text
// is tried against the two-character turn names ("U ", "U'", "U2", ... case
// sensitive), so the generated, imported and single-blank forms read alike and
// anything else is passed over. onStep runs after every position.
void setscramble(std::string_view text, NetCube& net, TileCube& tiles, const std::function<void()>& onStep = {});

// Both models as every new scramble starts them: solved, white on top, green in front.
void ResetForScramble(NetCube& net, TileCube& tiles);

}  // namespace cubetimer
