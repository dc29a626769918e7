#include <gtest/gtest.h>

#include <utility>
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

TEST(KeyGateTest, OnePhysicalPressIsOneAction) {
    const struct {
        const char* what;
        std::vector<Event> events;
        int actions;
    } sequences[] = {
        {"two taps", {{'P', kSpace, 100}, {'R', kSpace, 150}, {'P', kSpace, 900}, {'R', kSpace, 950}}, 2},
        // A busy X server sends a held key as release and press pairs with
        // one stamp, the repeat flag on some; a server may also send presses only.
        {"held, then a new press right after the real release",
         {{'P', kSpace, 100}, {'R', kSpace, 200, true}, {'P', kSpace, 200, true}, {'R', kSpace, 233},
          {'P', kSpace, 233}, {'P', kSpace, 266}, {'R', kSpace, 1400}, {'P', kSpace, 1450}},
         2},
        {"keys are counted apart",
         {{'P', kSpace, 100}, {'P', kReturn, 120}, {'R', kReturn, 130}, {'P', kReturn, 400}, {'R', kSpace, 500}},
         3},
        {"the release went to another window, and a repeat came after the window came back",
         {{'P', kReturn, 100}, {'F', 0, 0}, {'R', kReturn, 300}, {'P', kReturn, 300}, {'F', 0, 0}, {'P', kReturn, 900}},
         2},
        {"events made without stamps", {{'P', kSpace, 0}, {'R', kSpace, 0}, {'P', kSpace, 0}}, 2},
    };
    for (const auto& sequence : sequences) {
        KeyGate gate;
        int actions = 0;
        for (const Event& e : sequence.events) {
            if (e.kind == 'P') actions += gate.press(e.key, e.at, e.repeat) ? 1 : 0;
            if (e.kind == 'R') gate.release(e.key, e.at, e.repeat);
            if (e.kind == 'F') gate.forgetHeldKeys();
        }
        EXPECT_EQ(actions, sequence.actions) << sequence.what;
    }
}

TEST(EventInstantTest, StampsOnTheMonotonicClockGiveTheirOwnInstant) {
    using TimePoint = std::chrono::steady_clock::time_point;
    const TimePoint now{123'456'789ms + 123us};
    const std::pair<std::uint32_t, TimePoint> cases[] = {
        {123'456'777u, TimePoint{123'456'777ms}},  // handled 12 ms late
        {123'456'789u, TimePoint{123'456'789ms}},
        {123'456'790u, now},  // ahead of the clock
        {123'451'000u, now},  // older than five seconds
        {0u, now},            // a synthetic event without a stamp
    };
    for (const auto& [stamp, want] : cases) EXPECT_EQ(EventInstant(now, stamp), want) << stamp;

    // Past 49.7 days of uptime the 32-bit stamp has wrapped.
    const TimePoint late{std::chrono::milliseconds((1ULL << 32) + 50)};
    EXPECT_EQ(EventInstant(late, 20u), late - 30ms);
}

}  // namespace
}  // namespace cubetimer
