#pragma once

#include <array>

#include "cube/colour.h"

namespace cubetimer {

// The flat net: six faces of nine stickers, each face numbered 0..8 row by row
// as it is drawn unfolded around U (B above U; L, U, R, D in a row; F below U).
class NetCube {
public:
    static constexpr std::array<char, 6> kFaces = {'U', 'R', 'D', 'F', 'B', 'L'};

    NetCube() { Clear_2DCube(); }

    // Every face to its solved colour: U white, R red, D yellow, F green, B blue, L orange.
    void Clear_2DCube();
    // face is one of kFaces, index 0..8; anything else reads as green.
    Colour colour(char face, int index) const;
    // A quarter turn of one face, clockwise as seen from outside it, or back.
    void turn(char face, bool prime);

    bool operator==(const NetCube&) const = default;

private:
    std::array<std::array<Colour, 9>, 6> faces_{};
};

}  // namespace cubetimer
