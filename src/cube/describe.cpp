#include "cube/describe.h"

#include <functional>

namespace cubetimer {

namespace {

const char* Word(Colour colour) {
    switch (colour) {
        case Colour::Green: return "green";
        case Colour::Blue: return "blue";
        case Colour::Yellow: return "yellow";
        case Colour::White: return "white";
        case Colour::Red: return "red";
        case Colour::Orange: return "orange";
    }
    return "?";
}

// "Front: green green green, ..." from the nine colours row by row.
std::string Face(const char* name, const std::function<Colour(int)>& colour) {
    std::string text = std::string(name) + ":";
    for (int i = 0; i < 9; ++i) {
        text += i % 3 == 0 && i > 0 ? ", " : " ";
        text += Word(colour(i));
    }
    return text;
}

}  // namespace

std::string DescribeNet(const NetCube& net) {
    static constexpr std::pair<char, const char*> kNames[] = {{'U', "Up"},    {'L', "Left"}, {'F', "Front"},
                                                              {'R', "Right"}, {'B', "Back"}, {'D', "Down"}};
    std::string text;
    for (const auto& [face, name] : kNames) {
        if (!text.empty()) text += "; ";
        text += Face(name, [&net, face = face](int i) { return net.colour(face, i); });
    }
    return text;
}

std::string DescribeTiles(const TileCube& tiles) {
    auto face = [&tiles](const char* name, int position) {
        return Face(name, [&tiles, position](int i) { return tiles.at(position, i); });
    };
    return face("Front", TileCube::F) + "; " + face("Right", TileCube::R) + "; " + face("Top", TileCube::U);
}

}  // namespace cubetimer
