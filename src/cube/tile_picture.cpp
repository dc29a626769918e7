#include "cube/tile_picture.h"

namespace cubetimer {

Tile TileAt(int n) {
    const int face = n / 9;
    const int facelet = n % 9;
    const double r = facelet / 3;
    const double c = facelet % 3;
    switch (face) {
        case 0: {  // F: 64 x 64 squares
            const double x = 16 + 72 * c, y = 84 + 72 * r;
            return {TileCube::F, facelet, {{{x, y}, {x + 64, y}, {x + 64, y + 64}, {x, y + 64}}}};
        }
        case 1: {  // R: 21 columns wide, 63 tall, rising one pixel per column
            const double x = 228 + 24 * c, y = 64 + 72 * r - 24 * c;
            return {TileCube::R, facelet, {{{x + 1, y + 21}, {x + 22, y}, {x + 22, y + 63}, {x + 1, y + 84}}}};
        }
        default: {  // U: 65 wide, 19 rows, each row one pixel further left
            const double x = 60 + 72 * c - 24 * r, y = 12 + 24 * r;
            return {TileCube::U, facelet, {{{x + 24, y}, {x + 89, y}, {x + 70, y + 19}, {x + 5, y + 19}}}};
        }
    }
}

Rgb TileRgb(int position, Colour colour) {
    static constexpr Rgb kFront[] = {{0, 128, 0}, {0, 0, 255}, {255, 255, 0}, {255, 255, 255}, {255, 0, 0}, {255, 128, 0}};
    static constexpr Rgb kRight[] = {{4, 132, 4}, {4, 4, 250}, {255, 255, 4}, {250, 250, 250}, {250, 0, 0}, {255, 130, 4}};
    static constexpr Rgb kTop[] = {{4, 130, 4}, {4, 4, 255}, {255, 255, 4}, {250, 250, 250}, {255, 4, 4}, {255, 130, 4}};
    const auto i = static_cast<int>(colour);
    if (position == TileCube::R) return kRight[i];
    if (position == TileCube::U) return kTop[i];
    return kFront[i];
}

std::array<PointF, 6> CubeSilhouette() {
    return {{{11, 79}, {84, 8}, {302, 8}, {302, 226}, {229, 297}, {11, 297}}};
}

}  // namespace cubetimer
