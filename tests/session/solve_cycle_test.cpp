#include "session/solve_cycle.h"

#include <gtest/gtest.h>

namespace cubetimer {
namespace {

using namespace std::chrono_literals;
using State = SolveCycle::State;

const SolveCycle::Clock::time_point t0 = SolveCycle::Clock::time_point{} + 1000h;

TEST(SolveCycleTest, TwentySecondCountdownBeepsAtThreeTwoOneOnly) {
    SolveCycle cycle;
    std::vector<int> beepTicks;
    int ticks = 0;
    if (cycle.start(20, t0).beep) beepTicks.push_back(0);
    SolveCycle::Step step;
    while (cycle.state() == State::Countdown) {
        step = cycle.countdownTick(t0 + ++ticks * 998ms);
        if (step.beep) beepTicks.push_back(ticks);
    }
    EXPECT_EQ(beepTicks, (std::vector<int>{17, 18, 19}));
    EXPECT_EQ(ticks, 20);
    EXPECT_TRUE(step.timingStarted);
    // the clock starts at the tick that ends the countdown
    EXPECT_EQ(cycle.display(t0 + 20 * 998ms + 500ms), "00:00.50");
}

TEST(SolveCycleTest, SolvesAreMeasuredOnTheMonotonicClockWhole) {
    // no midnight and no clock changes: 25 hours are 25 hours
    SolveCycle cycle;
    cycle.start(0, t0);
    EXPECT_DOUBLE_EQ(cycle.stop(t0 + 25h + 500ms), 90000.5);
    EXPECT_DOUBLE_EQ(cycle.addPenalty(), 90002.5);
}

TEST(SolveCycleTest, OperationsOutOfTurnChangeNothing) {
    SolveCycle cycle;
    EXPECT_EQ(cycle.stop(t0), 0.0);
    EXPECT_EQ(cycle.addPenalty(), 0.0);
    cycle.settle(true);
    EXPECT_EQ(cycle.state(), State::Ready);

    cycle.start(0, t0);
    cycle.stop(t0 + 1s);
    cycle.settle(true);
    EXPECT_EQ(cycle.state(), State::Ended);
    EXPECT_FALSE(cycle.start(0, t0).timingStarted);
    EXPECT_EQ(cycle.display(t0 + 5s), "00:00.00");
    cycle.reset();
    EXPECT_EQ(cycle.state(), State::Ready);
}

}  // namespace
}  // namespace cubetimer
