// Speed of the work done for every scramble: generating one, and playing one
// onto both cube models after resetting them; the Stackmat decoder's share of
// a core, and how soon it finds a timer.
#include <benchmark/benchmark.h>

#include <ctime>
#include <span>

#include "cube/apply.h"
#include "scramble/contest_sheet.h"
#include "scramble/generator.h"
#include "scramble/random_source.h"
#include "session/stackmat_decoder.h"
#include "stackmat_signal.h"

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

// 48 kHz audio of a timer counting, with noise, hum and AC coupling, fed in
// 10 ms blocks as a sound server hands them over. core_percent is the CPU
// time per second of audio, in per cent of one core.
void BM_StackmatDecoder(benchmark::State& state) {
    using namespace stackmat_test;
    constexpr double kRate = 48000;
    StackmatSignal signal({.highpassHz = 10, .noiseSnrDb = 15, .humDb = -6});
    for (int i = 0; i < 90; ++i) signal.packet({' ', i * 110});
    const std::vector<float> audio = signal.samples();
    StackmatDecoder decoder(kRate);
    const std::clock_t start = std::clock();
    for (auto _ : state) {
        for (std::size_t at = 0; at < audio.size(); at += 480) {
            benchmark::DoNotOptimize(decoder.feed(std::span(audio).subspan(at, std::min<std::size_t>(480, audio.size() - at))));
        }
    }
    const double cpuSeconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    const double audioSeconds = static_cast<double>(audio.size()) / kRate * static_cast<double>(state.iterations());
    state.counters["core_percent"] = 100.0 * cpuSeconds / audioSeconds;
}
BENCHMARK(BM_StackmatDecoder)->Unit(benchmark::kMillisecond);

// Milliseconds to the first packet read after a timer is plugged in at
// -40 dBFS (noise 20 dB below it), and after the signal drops 18 dB from -22 dBFS.
void BM_StackmatFindTime(benchmark::State& state) {
    for (auto _ : state) {
        state.counters["plugged_in_at_-40dBFS_ms"] = 1000 * stackmat_test::SecondsToFind(-200, -40);
        state.counters["after_18dB_drop_ms"] = 1000 * stackmat_test::SecondsToFind(-22, -40);
    }
}
BENCHMARK(BM_StackmatFindTime)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
