#include "cube/describe.h"

#include <gtest/gtest.h>

namespace cubetimer {
namespace {

TEST(DescribeTest, SolvedCubesFaceByFace) {
    EXPECT_EQ(DescribeTiles(TileCube()),
              "Front: green green green, green green green, green green green; "
              "Right: yellow yellow yellow, yellow yellow yellow, yellow yellow yellow; "
              "Top: red red red, red red red, red red red");
    const std::string net = DescribeNet(NetCube());
    EXPECT_EQ(net.substr(0, net.find(';')), "Up: white white white, white white white, white white white");
    for (const char* face : {"; Left: orange", "; Front: green", "; Right: red", "; Back: blue", "; Down: yellow"})
        EXPECT_NE(net.find(face), std::string::npos) << face;
}

TEST(DescribeTest, RowsComeTopRowFirst) {
    TileCube tiles;
    tiles.Turn_Row(0);  // the top layer: only the front's first row changes colour
    const std::string front = DescribeTiles(tiles).substr(0, DescribeTiles(tiles).find(';'));
    EXPECT_TRUE(front.ends_with(", green green green, green green green")) << front;
    EXPECT_FALSE(front.starts_with("Front: green")) << front;
}

}  // namespace
}  // namespace cubetimer
