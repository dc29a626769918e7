#include <gtest/gtest.h>

#include <map>

#include "cube/apply.h"
#include "scramble/generator.h"
#include "scramble/random_source.h"

namespace cubetimer {
namespace {

constexpr char kFaceLetters[] = {'U', 'R', 'D', 'F', 'B', 'L'};

NetCube Played(const std::string& text) {
    NetCube net;
    TileCube tiles;
    ResetForScramble(net, tiles);
    setscramble(text, net, tiles);
    return net;
}

TEST(NetCubeTest, TurnsAreQuarterTurnsThatSpareCentresAndTheOppositeFace) {
    const std::map<char, char> opposite = {{'U', 'D'}, {'D', 'U'}, {'F', 'B'}, {'B', 'F'}, {'L', 'R'}, {'R', 'L'}};
    // scrambled first, so "unchanged" is not just "still solved"
    const NetCube start = Played("R U' F2 B D' L2 ");
    for (char face : kFaceLetters) {
        for (bool prime : {false, true}) {
            NetCube net = start;
            net.turn(face, prime);
            EXPECT_NE(net, start) << face;
            for (int i = 0; i < 9; ++i) EXPECT_EQ(net.colour(opposite.at(face), i), start.colour(opposite.at(face), i));
            for (char f : kFaceLetters) EXPECT_EQ(net.colour(f, 4), start.colour(f, 4));
            net.turn(face, !prime);
            EXPECT_EQ(net, start) << face;
            for (int i = 0; i < 4; ++i) net.turn(face, prime);
            EXPECT_EQ(net, start) << face;
        }
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
    EXPECT_EQ(tiles.at(TileCube::U, 4), Colour::Red);
    tiles.imgFront_Click(1);
    for (int k : {0, 3, 6}) {
        EXPECT_EQ(tiles.at(TileCube::F, k), Colour::Red);
        EXPECT_EQ(tiles.at(TileCube::D, k), Colour::Green);
        EXPECT_EQ(tiles.at(TileCube::U, k), Colour::Blue);
        EXPECT_EQ(tiles.at(TileCube::B, 8 - k), Colour::Orange);
    }
    TileCube middle;
    middle.imgFront_Click(3);
    EXPECT_NE(middle, TileCube());
    middle.imgFront_Click(2);
    EXPECT_EQ(middle, TileCube());
}

TEST(TileCubeTest, EveryArrowTurnUndoesItselfFourTimesOrWithItsPartner) {
    NetCube net;
    TileCube before;
    ResetForScramble(net, before);
    setscramble("R U' F2 ", net, before);
    for (auto turn : {&TileCube::imgVert_Click, &TileCube::imgZ_Click, &TileCube::imgFront_Click,
                      &TileCube::imgRight_Click, &TileCube::Turn_Row}) {
        for (int index : {0, 1}) {
            TileCube t = before;
            (t.*turn)(index);
            EXPECT_NE(t, before);
            (t.*turn)(1 - index);
            EXPECT_EQ(t, before);
            for (int i = 0; i < 4; ++i) (t.*turn)(index);
            EXPECT_EQ(t, before);
        }
    }
}

TEST(ApplyTest, TileCubeAndNetShowTheSameCube) {
    // The numberings agree for F and U; tile R runs U to D down and F to B
    // across, the net's R runs B to F down and U to D across.
    auto expectAgree = [](const std::string& text) {
        NetCube net;
        TileCube tiles;
        ResetForScramble(net, tiles);
        setscramble(text, net, tiles);
        for (int k = 0; k < 9; ++k) {
            EXPECT_EQ(tiles.at(TileCube::F, k), net.colour('F', k)) << text;
            EXPECT_EQ(tiles.at(TileCube::U, k), net.colour('U', k)) << text;
            EXPECT_EQ(tiles.at(TileCube::R, k), net.colour('R', 3 * (2 - k % 3) + k / 3)) << text;
        }
    };
    expectAgree("");  // white on top, green in front
    for (char face : kFaceLetters)
        for (const char* suffix : {" ", "'", "2"}) expectAgree(std::string{face} + suffix + " ");
    const auto uniform = UniformSource(11);
    for (int n = 0; n < 300; ++n) expectAgree(genscramble(uniform));
}

TEST(ApplyTest, ReadsTurnNamesAtEveryPosition) {
    NetCube expected;
    for (auto [face, prime] : {std::pair{'R', false}, {'U', true}, {'F', false}, {'F', false}}) expected.turn(face, prime);
    EXPECT_EQ(Played("R  U' F2 "), expected);
    EXPECT_EQ(Played("R U' F2 "), expected);
    EXPECT_EQ(Played("R    U'\r\n\r\nF2 "), expected);
    for (const char* nothing : {"", "   ", "r u' f2 ", "R"}) EXPECT_EQ(Played(nothing), NetCube()) << nothing;
    int steps = 0;
    NetCube net;
    TileCube tiles;
    setscramble("R U ", net, tiles, [&steps] { ++steps; });
    EXPECT_EQ(steps, 4);
}

}  // namespace
}  // namespace cubetimer
