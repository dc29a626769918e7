#pragma once

#include <cstdint>

namespace cubetimer {

// Sticker colours by their index, the order the tile cube stores them in.
enum class Colour : std::uint8_t { Green, Blue, Yellow, White, Red, Orange };

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb&) const = default;
};

// The colour the net shows for a sticker.
Rgb NetRgb(Colour colour);

}  // namespace cubetimer
