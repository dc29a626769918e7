#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/key_gate.h"

namespace cubetimer {
namespace {

using namespace std::chrono_literals;

constexpr int kSpace = 1, kReturn = 2;

// One key event: 'P' press, 'R' release, 'F' the window lost the keys; `repeat` is the toolkit's flag.
struct Event {
    char kind;
    int key;
    std::uint32_t at;
    bool repeat = false;
};

struct Sequence {
    const char* what;
    std::vector<Event> events;
    int actions;
};

class KeyGateSequences : public testing::TestWithParam<Sequence> {};

TEST_P(KeyGateSequences, OnePhysicalPressIsOneAction) {
    KeyGate gate;
    int actions = 0;
    for (const Event& e : GetParam().events) {
        if (e.kind == 'P') actions += gate.press(e.key, e.at, e.repeat) ? 1 : 0;
        if (e.kind == 'R') gate.release(e.key, e.at, e.repeat);
        if (e.kind == 'F') gate.forgetHeldKeys();
    }
    EXPECT_EQ(actions, GetParam().actions);
}

INSTANTIATE_TEST_SUITE_P(
    BusyServer, KeyGateSequences,
    testing::Values(
        Sequence{"tap", {{'P', kSpace, 100}, {'R', kSpace, 150}}, 1},
        Sequence{"two taps", {{'P', kSpace, 100}, {'R', kSpace, 150}, {'P', kSpace, 900}, {'R', kSpace, 950}}, 2},
        Sequence{"held, repeats flagged",
                 {{'P', kSpace, 100},
                  {'R', kSpace, 200, true},
                  {'P', kSpace, 200, true},
                  {'R', kSpace, 233, true},
                  {'P', kSpace, 233, true},
                  {'R', kSpace, 400}},
                 1},
        Sequence{"held, the flag missing on every repeat",
                 {{'P', kSpace, 100},
                  {'R', kSpace, 200},
                  {'P', kSpace, 200},
                  {'R', kSpace, 233},
                  {'P', kSpace, 233},
                  {'R', kSpace, 266},
                  {'P', kSpace, 266},
                  {'R', kSpace, 1400}},
                 1},
        Sequence{"held, presses only, no releases",
                 {{'P', kSpace, 100}, {'P', kSpace, 200}, {'P', kSpace, 233}, {'R', kSpace, 300}, {'P', kSpace, 700}},
                 2},
        Sequence{"press right after a repeat's release is a new press",
                 {{'P', kSpace, 100}, {'R', kSpace, 200}, {'P', kSpace, 200}, {'R', kSpace, 210}, {'P', kSpace, 260}},
                 2},
        Sequence{"keys are counted apart",
                 {{'P', kSpace, 100}, {'P', kReturn, 120}, {'R', kReturn, 130}, {'P', kReturn, 400}, {'R', kSpace, 500}},
                 3},
        Sequence{"the release went to another window", {{'P', kReturn, 100}, {'F', 0, 0}, {'P', kReturn, 900}}, 2},
        Sequence{"a repeat after the window came back is still a repeat",
                 {{'P', kReturn, 100}, {'F', 0, 0}, {'R', kReturn, 300}, {'P', kReturn, 300}}, 1},
        Sequence{"events made without stamps", {{'P', kSpace, 0}, {'R', kSpace, 0}, {'P', kSpace, 0}}, 2}),
    [](const testing::TestParamInfo<Sequence>& info) {
        std::string name;
        for (const char* c = info.param.what; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST(EventInstantTest, StampsOnTheMonotonicClockGiveTheirOwnInstant) {
    const std::chrono::steady_clock::time_point now{123'456'789ms + 123us};
    struct Case {
        std::uint32_t stamp;
        std::chrono::steady_clock::time_point want;
    };
    const Case cases[] = {
        {123'456'777u, std::chrono::steady_clock::time_point{123'456'777ms}},  // handled 12 ms late
        {123'456'789u, std::chrono::steady_clock::time_point{123'456'789ms}},
        {123'456'790u, now},    // ahead of the clock
        {123'451'000u, now},    // older than five seconds
        {0u, now},              // a synthetic event without a stamp
    };
    for (const Case& c : cases) EXPECT_EQ(EventInstant(now, c.stamp), c.want) << c.stamp;

    // Past 49.7 days of uptime the 32-bit stamp has wrapped.
    const std::chrono::steady_clock::time_point late{std::chrono::milliseconds((1ULL << 32) + 50)};
    EXPECT_EQ(EventInstant(late, 20u), late - 30ms);
}

}  // namespace
}  // namespace cubetimer
