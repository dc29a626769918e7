// Speed of the work done for every scramble: generating one, and playing one
// onto both cube models after resetting them.
#include <benchmark/benchmark.h>

#include "cube/apply.h"
#include "scramble/contest_sheet.h"
#include "scramble/generator.h"
#include "scramble/random_source.h"

namespace {

using namespace cubetimer;

void BM_genscramble(benchmark::State& state) {
    const std::function<double()> uniform01 = UniformSource(1);
    for (auto _ : state) benchmark::DoNotOptimize(genscramble(uniform01));
    state.counters["scrambles_per_second"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                                benchmark::Counter::kIsRate);
}
BENCHMARK(BM_genscramble);

void BM_setscramble_both_models(benchmark::State& state) {
    const std::function<double()> uniform01 = UniformSource(2);
    std::vector<std::string> scrambles;
    for (int i = 0; i < 1024; ++i) scrambles.push_back(genscramble(uniform01));
    NetCube net;
    TileCube tiles;
    std::size_t i = 0;
    for (auto _ : state) {
        ResetForScramble(net, tiles);
        setscramble(scrambles[i++ % scrambles.size()], net, tiles);
        benchmark::DoNotOptimize(net);
        benchmark::DoNotOptimize(tiles);
    }
    state.counters["scrambles_per_second"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                                benchmark::Counter::kIsRate);
}
BENCHMARK(BM_setscramble_both_models);

void BM_ContestSheet(benchmark::State& state) {
    const std::function<double()> uniform01 = UniformSource(3);
    for (auto _ : state) benchmark::DoNotOptimize(ContestSheet(uniform01));
}
BENCHMARK(BM_ContestSheet);

}  // namespace
