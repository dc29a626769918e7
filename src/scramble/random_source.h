#pragma once

#include <cstdint>
#include <functional>

namespace cubetimer {

// Uniform draws r with 0 <= r < 1 from one 64-bit Mersenne Twister. Each
// output gives two draws of 32 bits: a scramble needs about 60 draws and only
// picks one of six or three values from each, so 2^-32 steps are more than
// fine and the engine, the costly part, runs half as often.
std::function<double()> UniformSource(std::uint64_t seed);

}  // namespace cubetimer
