#include "scramble/random_source.h"

#include <memory>
#include <random>

namespace cubetimer {

namespace {

struct Source {
    std::mt19937_64 engine;
    std::uint64_t spare = 0;
    bool hasSpare = false;

    double draw() {
        std::uint64_t bits = spare;
        if (!hasSpare) {
            const std::uint64_t output = engine();
            bits = output >> 32;
            spare = output & 0xFFFFFFFFu;
        }
        hasSpare = !hasSpare;
        return static_cast<double>(bits) * 0x1.0p-32;
    }
};

}  // namespace

std::function<double()> UniformSource(std::uint64_t seed) {
    // Copies of the function share one engine, so no two users repeat each other's draws.
    auto source = std::make_shared<Source>(Source{std::mt19937_64(seed)});
    return [source] { return source->draw(); };
}

}  // namespace cubetimer
