#include "cube/tile_cube.h"

namespace cubetimer {

namespace {

bool ValidIndex(int index) { return index >= 0 && index <= 5; }

}  // namespace

void TileCube::Clear_Cube() {
    for (int position = 0; position < 6; ++position)
        for (auto& tile : tiles_[position]) tile = static_cast<std::int16_t>(position);
}

Colour TileCube::at(int position, int facelet) const {
    if (position < 0 || position > 5 || facelet < 0 || facelet > 8) return Colour::Green;
    return static_cast<Colour>(tiles_[position][facelet]);
}

void TileCube::Cycle(Slot a, Slot b, Slot c, Slot d, bool reverse) {
    if (reverse) {
        const std::int16_t saved = (*this)[b];
        (*this)[b] = (*this)[c];
        (*this)[c] = (*this)[d];
        (*this)[d] = (*this)[a];
        (*this)[a] = saved;
    } else {
        const std::int16_t saved = (*this)[d];
        (*this)[d] = (*this)[c];
        (*this)[c] = (*this)[b];
        (*this)[b] = (*this)[a];
        (*this)[a] = saved;
    }
}

void TileCube::Turn_Face(int position, bool anticlockwise) {
    Cycle({position, 0}, {position, 2}, {position, 8}, {position, 6}, anticlockwise);
    Cycle({position, 1}, {position, 5}, {position, 7}, {position, 3}, anticlockwise);
}

void TileCube::imgFront_Click(int index) {
    if (!ValidIndex(index)) return;
    const int layer = index / 2;
    const bool asL = index % 2 == 1;
    for (int j = 0; j < 3; ++j) {
        const int k = layer + 3 * j;
        Cycle({U, k}, {F, k}, {D, k}, {B, 8 - k}, !asL);
    }
    if (index == 0) Turn_Face(L, true);
    if (index == 1) Turn_Face(L, false);
    if (index == 4) Turn_Face(R, false);
    if (index == 5) Turn_Face(R, true);
}

void TileCube::Turn_Row(int index) {
    if (!ValidIndex(index)) return;
    const int layer = index / 2;
    const bool asD = index % 2 == 1;
    for (int j = 0; j < 3; ++j) {
        const int k = 3 * layer + j;
        Cycle({F, k}, {R, k}, {B, k}, {L, k}, !asD);
    }
    if (index == 0) Turn_Face(U, false);
    if (index == 1) Turn_Face(U, true);
    if (index == 4) Turn_Face(D, true);
    if (index == 5) Turn_Face(D, false);
}

void TileCube::imgRight_Click(int index) {
    if (!ValidIndex(index)) return;
    const int layer = index / 2;
    const bool asF = index % 2 == 1;
    for (int j = 0; j < 3; ++j) {
        const int a = layer + 3 * j;
        const int b = 8 - 3 * j - layer;
        const int c = 6 + j - 3 * layer;
        const int d = 2 - j + 3 * layer;
        Cycle({U, c}, {R, a}, {D, d}, {L, b}, !asF);
    }
    if (index == 0) Turn_Face(F, true);
    if (index == 1) Turn_Face(F, false);
    if (index == 4) Turn_Face(B, false);
    if (index == 5) Turn_Face(B, true);
}

void TileCube::imgVert_Click(int index) {
    if (index != 0 && index != 1) return;
    Turn_Row(index);
    Turn_Row(index + 2);
    Turn_Row(index + 4);
}

void TileCube::imgZ_Click(int index) {
    if (index != 0 && index != 1) return;
    imgRight_Click(index);
    imgRight_Click(index + 2);
    imgRight_Click(index + 4);
}

}  // namespace cubetimer
