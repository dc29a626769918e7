#include "cube/colour.h"

namespace cubetimer {

Rgb NetRgb(Colour colour) {
    switch (colour) {
        case Colour::Green: return {0, 192, 0};
        case Colour::Blue: return {0, 0, 192};
        case Colour::Yellow: return {255, 255, 0};
        case Colour::White: return {255, 255, 255};
        case Colour::Red: return {255, 0, 0};
        case Colour::Orange: return {255, 128, 0};
    }
    return {0, 0, 0};
}

}  // namespace cubetimer
