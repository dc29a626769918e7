#include "cube/describe.h"

#include <functional>

namespace cubetimer {

namespace {

// "Front: green green green, ..." from the nine colours row by row.
std::string Face(const std::string& name, const CubeWords& words, const std::function<Colour(int)>& colour) {
    std::string text = name + ":";
    for (int i = 0; i < 9; ++i) {
        text += i % 3 == 0 && i > 0 ? ", " : " ";
        text += words.colours.at(static_cast<std::size_t>(colour(i)));
    }
    return text;
}

}  // namespace

std::string DescribeNet(const NetCube& net, const CubeWords& words) {
    const std::pair<char, const std::string*> faces[] = {{'U', &words.up},    {'L', &words.left}, {'F', &words.front},
                                                         {'R', &words.right}, {'B', &words.back}, {'D', &words.down}};
    std::string text;
    for (const auto& [face, name] : faces) {
        if (!text.empty()) text += "; ";
        text += Face(*name, words, [&net, face = face](int i) { return net.colour(face, i); });
    }
    return text;
}

std::string DescribeTiles(const TileCube& tiles, const CubeWords& words) {
    auto face = [&tiles, &words](const std::string& name, int position) {
        return Face(name, words, [&tiles, position](int i) { return tiles.at(position, i); });
    };
    return face(words.front, TileCube::F) + "; " + face(words.right, TileCube::R) + "; " + face(words.top, TileCube::U);
}

}  // namespace cubetimer
