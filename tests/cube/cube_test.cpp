#include <gtest/gtest.h>

#include <random>

#include "cube/apply.h"
#include "cube/net_cube.h"
#include "cube/tile_cube.h"
#include "scramble/generator.h"

namespace cubetimer {
namespace {

constexpr char kFaceLetters[] = {'U', 'R', 'D', 'F', 'B', 'L'};

TEST(NetCubeTest, EveryTurnFourTimesOrWithItsInverseRestores) {
    const NetCube solved;
    for (char face : kFaceLetters) {
        for (bool prime : {false, true}) {
            NetCube net;
            net.turn(face, prime);
            EXPECT_NE(net, solved) << face;
            net.turn(face, !prime);
            EXPECT_EQ(net, solved) << face;
            for (int i = 0; i < 4; ++i) net.turn(face, prime);
            EXPECT_EQ(net, solved) << face;
        }
    }
}

TEST(NetCubeTest, TurnsLeaveCentresAndTheOppositeFaceAlone) {
    const std::pair<char, char> opposite[] = {{'U', 'D'}, {'D', 'U'}, {'F', 'B'}, {'B', 'F'}, {'L', 'R'}, {'R', 'L'}};
    std::mt19937 engine(1);
    for (const auto& [face, other] : opposite) {
        NetCube net;
        // scramble first, so "unchanged" is not just "still solved"
        for (int i = 0; i < 20; ++i) net.turn(kFaceLetters[engine() % 6], engine() % 2);
        const NetCube before = net;
        net.turn(face, false);
        for (int i = 0; i < 9; ++i) EXPECT_EQ(net.colour(other, i), before.colour(other, i)) << face << i;
        for (char f : kFaceLetters) EXPECT_EQ(net.colour(f, 4), before.colour(f, 4));
    }
}

TEST(NetCubeTest, FrontTurnOnASolvedNet) {
    NetCube net;
    net.turn('F', false);
    for (int i : {6, 7, 8}) {
        EXPECT_EQ(net.colour('U', i), Colour::Orange);
        EXPECT_EQ(net.colour('R', i), Colour::White);
        EXPECT_EQ(net.colour('D', i), Colour::Red);
        EXPECT_EQ(net.colour('L', i), Colour::Yellow);
    }
}

TEST(TileCubeTest, LayerTurnsOnTheStartState) {
    TileCube tiles;
    tiles.imgFront_Click(1);
    for (int k : {0, 3, 6}) {
        EXPECT_EQ(tiles.at(TileCube::F, k), Colour::Red);
        EXPECT_EQ(tiles.at(TileCube::D, k), Colour::Green);
        EXPECT_EQ(tiles.at(TileCube::U, k), Colour::Blue);
    }
    for (int k : {2, 5, 8}) EXPECT_EQ(tiles.at(TileCube::B, k), Colour::Orange);

    TileCube middle;
    middle.imgFront_Click(3);
    middle.imgFront_Click(2);
    EXPECT_EQ(middle, TileCube());
}

TEST(TileCubeTest, WholeCubeTurnsAndArrowsUndoThemselves) {
    TileCube tiles;
    ResetForScramble(*std::make_unique<NetCube>(), tiles);
    setscramble("R U' F2 ", *std::make_unique<NetCube>(), tiles);
    const TileCube before = tiles;
    for (auto turn : {&TileCube::imgVert_Click, &TileCube::imgZ_Click, &TileCube::imgFront_Click,
                      &TileCube::imgRight_Click, &TileCube::Turn_Row}) {
        for (int index : {0, 1}) {
            TileCube t = before;
            for (int i = 0; i < 4; ++i) (t.*turn)(index);
            EXPECT_EQ(t, before);
            (t.*turn)(index);
            EXPECT_NE(t, before);
            (t.*turn)(1 - index);
            EXPECT_EQ(t, before);
        }
    }
    TileCube out = before;
    out.imgFront_Click(6);
    out.imgZ_Click(2);
    EXPECT_EQ(out, before);
}

TEST(TileCubeTest, ScrambleStartHasWhiteOnTopGreenInFront) {
    NetCube net;
    TileCube tiles;
    tiles.Clear_Cube();
    EXPECT_EQ(tiles.at(TileCube::F, 4), Colour::Green);
    EXPECT_EQ(tiles.at(TileCube::R, 4), Colour::Yellow);
    EXPECT_EQ(tiles.at(TileCube::U, 4), Colour::Red);
    ResetForScramble(net, tiles);
    const std::pair<int, Colour> faces[] = {{TileCube::U, Colour::White}, {TileCube::F, Colour::Green},
                                            {TileCube::R, Colour::Red},   {TileCube::B, Colour::Blue},
                                            {TileCube::L, Colour::Orange}, {TileCube::D, Colour::Yellow}};
    for (const auto& [position, colour] : faces)
        for (int k = 0; k < 9; ++k) EXPECT_EQ(tiles.at(position, k), colour);
}

// The tile cube and the net number R differently: tile R runs U to D in its
// rows' order and F to B across; the net's R runs B to F down and U to D across.
void ExpectModelsAgree(const NetCube& net, const TileCube& tiles, const std::string& text) {
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(tiles.at(TileCube::F, k), net.colour('F', k)) << text;
        EXPECT_EQ(tiles.at(TileCube::U, k), net.colour('U', k)) << text;
        const int r = k / 3, c = k % 3;
        EXPECT_EQ(tiles.at(TileCube::R, k), net.colour('R', 3 * (2 - c) + r)) << text;
    }
}

TEST(ApplyTest, BothModelsShowTheSameCube) {
    for (char face : kFaceLetters) {
        for (const char* suffix : {" ", "'", "2"}) {
            const std::string text = std::string{face} + suffix + " ";
            NetCube net;
            TileCube tiles;
            ResetForScramble(net, tiles);
            setscramble(text, net, tiles);
            EXPECT_NE(net, NetCube()) << text;
            ExpectModelsAgree(net, tiles, text);
        }
    }
    std::mt19937_64 engine(11);
    const auto uniform = [&engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); };
    for (int n = 0; n < 300; ++n) {
        const std::string text = genscramble(uniform);
        NetCube net;
        TileCube tiles;
        ResetForScramble(net, tiles);
        setscramble(text, net, tiles);
        ExpectModelsAgree(net, tiles, text);
    }
}

TEST(ApplyTest, ReadsTokensAtEveryPosition) {
    auto Play = [](const std::string& text) {
        NetCube net;
        TileCube tiles;
        ResetForScramble(net, tiles);
        setscramble(text, net, tiles);
        return net;
    };
    NetCube expected;
    expected.turn('R', false);
    expected.turn('U', true);
    expected.turn('F', false);
    expected.turn('F', false);
    EXPECT_EQ(Play("R  U' F2 "), expected);
    EXPECT_EQ(Play("R U' F2 "), expected);
    EXPECT_EQ(Play("R    U'\r\n\r\nF2 "), expected);
    EXPECT_EQ(Play("   "), NetCube());
    EXPECT_EQ(Play(""), NetCube());
    EXPECT_EQ(Play("r u' f2 "), NetCube());
    // "R" at the very end has no blank after it and is not read
    EXPECT_EQ(Play("R"), NetCube());
    NetCube twice;
    twice.turn('R', false);
    twice.turn('R', false);
    EXPECT_EQ(Play("R2 "), twice);

    int steps = 0;
    NetCube net;
    TileCube tiles;
    setscramble("R U ", net, tiles, [&steps] { ++steps; });
    EXPECT_EQ(steps, 4);
}

}  // namespace
}  // namespace cubetimer
