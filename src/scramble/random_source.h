#pragma once

#include <cstdint>
#include <functional>

namespace cubetimer {

// Uniform draws r with 0 <= r < 1 from one 64-bit Mersenne Twister: the top
// 53 bits of each output, so every double it gives is equally likely.
std::function<double()> UniformSource(std::uint64_t seed);

}  // namespace cubetimer
