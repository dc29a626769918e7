#include "cube/net_cube.h"

#include <cstddef>

namespace cubetimer {

namespace {

constexpr Colour kSolved[6] = {Colour::White, Colour::Red, Colour::Yellow,
                               Colour::Green, Colour::Blue, Colour::Orange};

// The slot of a face in NetCube::kFaces.
int FaceSlot(char face) {
    switch (face) {
        case 'U': return 0;
        case 'R': return 1;
        case 'D': return 2;
        case 'F': return 3;
        case 'B': return 4;
        case 'L': return 5;
        default: return -1;
    }
}

struct Sticker {
    char face;
    int index;
};

// Each clockwise turn as five 4-cycles a -> b -> c -> d: the sticker at a moves to b.
using Cycles = std::array<std::array<Sticker, 4>, 5>;

const Cycles& TurnCycles(char face) {
    static const Cycles kU = {{{{{'U', 0}, {'U', 2}, {'U', 8}, {'U', 6}}}, {{{'U', 1}, {'U', 5}, {'U', 7}, {'U', 3}}},
                              {{{'R', 0}, {'F', 2}, {'L', 8}, {'B', 6}}}, {{{'R', 3}, {'F', 1}, {'L', 5}, {'B', 7}}},
                              {{{'R', 6}, {'F', 0}, {'L', 2}, {'B', 8}}}}};
    static const Cycles kD = {{{{{'D', 0}, {'D', 2}, {'D', 8}, {'D', 6}}}, {{{'D', 1}, {'D', 5}, {'D', 7}, {'D', 3}}},
                              {{{'R', 2}, {'B', 0}, {'L', 6}, {'F', 8}}}, {{{'R', 5}, {'B', 1}, {'L', 3}, {'F', 7}}},
                              {{{'R', 8}, {'B', 2}, {'L', 0}, {'F', 6}}}}};
    static const Cycles kF = {{{{{'F', 0}, {'F', 2}, {'F', 8}, {'F', 6}}}, {{{'F', 1}, {'F', 5}, {'F', 7}, {'F', 3}}},
                              {{{'U', 6}, {'R', 6}, {'D', 6}, {'L', 6}}}, {{{'U', 7}, {'R', 7}, {'D', 7}, {'L', 7}}},
                              {{{'U', 8}, {'R', 8}, {'D', 8}, {'L', 8}}}}};
    static const Cycles kB = {{{{{'B', 0}, {'B', 2}, {'B', 8}, {'B', 6}}}, {{{'B', 1}, {'B', 5}, {'B', 7}, {'B', 3}}},
                              {{{'U', 0}, {'L', 0}, {'D', 0}, {'R', 0}}}, {{{'U', 1}, {'L', 1}, {'D', 1}, {'R', 1}}},
                              {{{'U', 2}, {'L', 2}, {'D', 2}, {'R', 2}}}}};
    static const Cycles kL = {{{{{'L', 0}, {'L', 2}, {'L', 8}, {'L', 6}}}, {{{'L', 1}, {'L', 5}, {'L', 7}, {'L', 3}}},
                              {{{'U', 0}, {'F', 0}, {'D', 8}, {'B', 0}}}, {{{'U', 3}, {'F', 3}, {'D', 5}, {'B', 3}}},
                              {{{'U', 6}, {'F', 6}, {'D', 2}, {'B', 6}}}}};
    static const Cycles kR = {{{{{'R', 0}, {'R', 2}, {'R', 8}, {'R', 6}}}, {{{'R', 1}, {'R', 5}, {'R', 7}, {'R', 3}}},
                              {{{'U', 2}, {'B', 2}, {'D', 6}, {'F', 2}}}, {{{'U', 5}, {'B', 5}, {'D', 3}, {'F', 5}}},
                              {{{'U', 8}, {'B', 8}, {'D', 0}, {'F', 8}}}}};
    switch (face) {
        case 'U': return kU;
        case 'D': return kD;
        case 'F': return kF;
        case 'B': return kB;
        case 'L': return kL;
        default: return kR;
    }
}

}  // namespace

void NetCube::Clear_2DCube() {
    for (int index = 0; index < 9; ++index)
        for (int face = 0; face < 6; ++face) faces_[face][index] = kSolved[face];
}

Colour NetCube::colour(char face, int index) const {
    const int slot = FaceSlot(face);
    if (slot < 0 || index < 0 || index > 8) return Colour::Green;
    return faces_[slot][index];
}

void NetCube::turn(char face, bool prime) {
    if (FaceSlot(face) < 0) return;
    // Every sticker is written from a snapshot, so the four moves of a cycle are simultaneous.
    const auto snapshot = faces_;
    auto at = [](auto& faces, Sticker s) -> auto& { return faces[FaceSlot(s.face)][s.index]; };
    for (const auto& cycle : TurnCycles(face)) {
        for (int i = 0; i < 4; ++i) {
            const Sticker from = cycle[i];
            const Sticker to = cycle[prime ? (i + 3) % 4 : (i + 1) % 4];
            at(faces_, to) = at(snapshot, from);
        }
    }
}

}  // namespace cubetimer
