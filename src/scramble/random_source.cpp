#include "scramble/random_source.h"

#include <memory>
#include <random>

namespace cubetimer {

std::function<double()> UniformSource(std::uint64_t seed) {
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return [engine] { return static_cast<double>((*engine)() >> 11) * 0x1.0p-53; };
}

}  // namespace cubetimer
