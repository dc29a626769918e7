#pragma once

#include <array>
#include <cstdint>

#include "cube/colour.h"

namespace cubetimer {

// The cube behind the three-dimensional tile picture: 6 face positions
// (0 F, 1 B, 2 R, 3 L, 4 U, 5 D) of nine facelets, each face numbered row by
// row as seen from outside, the side faces with U at the top, U with B at the
// top and D with F at the top. Layer operations take an index 0..5: the layer
// is index / 2, and odd and even indices turn it in opposite directions.
// Other indices are ignored.
class TileCube {
public:
    enum Position { F = 0, B = 1, R = 2, L = 3, U = 4, D = 5 };

    TileCube() { Clear_Cube(); }

    // Each position holds its own index: F green, B blue, R yellow, L white, U red, D orange.
    void Clear_Cube();
    Colour at(int position, int facelet) const;

    // Column layers across the L-R axis: 1 L, 0 L', 4 R, 5 R', 2 and 3 the middle.
    void imgFront_Click(int index);
    // Horizontal layers across the U-D axis: 0 U, 1 U', 5 D, 4 D'.
    void Turn_Row(int index);
    // Front-to-back layers: 1 F, 0 F', 4 B, 5 B'.
    void imgRight_Click(int index);
    // The whole cube about the vertical axis: 0 as U, 1 as D.
    void imgVert_Click(int index);
    // The whole cube about the front-back axis: 1 as F, 0 as B.
    void imgZ_Click(int index);

    bool operator==(const TileCube&) const = default;

private:
    struct Slot {
        int position, facelet;
    };
    std::int16_t& operator[](Slot s) { return tiles_[s.position][s.facelet]; }
    // a -> b -> c -> d -> a, or the reverse.
    void Cycle(Slot a, Slot b, Slot c, Slot d, bool reverse);
    void Turn_Face(int position, bool anticlockwise);

    std::array<std::array<std::int16_t, 9>, 6> tiles_{};
};

}  // namespace cubetimer
