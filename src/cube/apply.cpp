#include "cube/apply.h"

namespace cubetimer {

namespace {

// One quarter turn of a face on both models, clockwise or back.
void Turn(char face, bool prime, NetCube& net, TileCube& tiles) {
    switch (face) {
        case 'U': tiles.Turn_Row(prime ? 1 : 0); break;
        case 'D': tiles.Turn_Row(prime ? 4 : 5); break;
        case 'F': tiles.imgRight_Click(prime ? 0 : 1); break;
        case 'B': tiles.imgRight_Click(prime ? 5 : 4); break;
        case 'L': tiles.imgFront_Click(prime ? 0 : 1); break;
        case 'R': tiles.imgFront_Click(prime ? 5 : 4); break;
        default: return;
    }
    net.turn(face, prime);
}

bool IsFace(char c) { return c == 'U' || c == 'D' || c == 'F' || c == 'B' || c == 'L' || c == 'R'; }

}  // namespace

void setscramble(std::string_view text, NetCube& net, TileCube& tiles, const std::function<void()>& onStep) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i + 1 < text.size() && IsFace(text[i])) {
            const char face = text[i];
            switch (text[i + 1]) {
                case ' ': Turn(face, false, net, tiles); break;
                case '\'': Turn(face, true, net, tiles); break;
                case '2':
                    Turn(face, false, net, tiles);
                    Turn(face, false, net, tiles);
                    break;
                default: break;
            }
        }
        if (onStep) onStep();
    }
}

void ResetForScramble(NetCube& net, TileCube& tiles) {
    tiles.Clear_Cube();
    net.Clear_2DCube();
    tiles.imgZ_Click(1);
}

}  // namespace cubetimer
