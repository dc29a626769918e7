// Feeds arbitrary bytes through the scramble file check, the supply and the
// cube models, as an imported file would go.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cube/apply.h"
#include "scramble/scramble_file.h"
#include "scramble/supply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cubetimer;
    const ScrambleFile file = CheckScrambleText(std::string(reinterpret_cast<const char*>(data), size));
    ScrambleSupply supply([n = 0u]() mutable { return static_cast<double>(n++ % 13) / 13.0; });
    supply.importFile(file);
    NetCube net;
    TileCube tiles;
    // Every line is handed out once; the text cannot hold more lines than characters.
    for (std::size_t i = 0; i <= size && supply.importing(); ++i) {
        const ScrambleSupply::Next next = supply.next();
        if (next.scramble.empty()) __builtin_trap();
        ResetForScramble(net, tiles);
        setscramble(next.scramble, net, tiles);
    }
    if (supply.importing()) __builtin_trap();  // the supply never runs dry
    return 0;
}
