#include "session/solve_cycle.h"

#include <gtest/gtest.h>

namespace cubetimer {
namespace {

using namespace std::chrono_literals;
using State = SolveCycle::State;

const SolveCycle::Clock::time_point t0 = SolveCycle::Clock::time_point{} + 1000h;

TEST(SolveCycleTest, StartsAtOnceWithoutCountdown) {
    SolveCycle cycle;
    const auto step = cycle.start(0, t0);
    EXPECT_TRUE(step.timingStarted);
    EXPECT_FALSE(step.beep);
    EXPECT_EQ(cycle.state(), State::Timing);
    EXPECT_EQ(cycle.display(t0 + 1234ms), "00:01.23");
}

TEST(SolveCycleTest, CountdownBeepsAtThreeTwoOneAndStartsAtZero) {
    for (int seconds : {2, 20}) {
        SolveCycle cycle;
        std::vector<int> beeps;
        auto step = cycle.start(seconds, t0);
        if (step.beep) beeps.push_back(cycle.countdownSeconds());
        EXPECT_EQ(cycle.display(t0), "-" + std::string(seconds < 10 ? "00:0" : "00:") + std::to_string(seconds) + ".00");
        int ticks = 0;
        while (cycle.state() == State::Countdown) {
            step = cycle.countdownTick(t0 + ++ticks * 998ms);
            if (step.beep) beeps.push_back(cycle.countdownSeconds());
        }
        EXPECT_EQ(ticks, seconds);
        EXPECT_TRUE(step.timingStarted);
        EXPECT_FALSE(step.beep);
        EXPECT_EQ(beeps, (seconds == 2 ? std::vector<int>{2, 1} : std::vector<int>{3, 2, 1}));
        // the clock starts at the tick that ends the countdown
        EXPECT_EQ(cycle.display(t0 + ticks * 998ms + 500ms), "00:00.50");
    }
}

TEST(SolveCycleTest, AbortingTheCountdownMeasuresNothing) {
    SolveCycle cycle;
    cycle.start(15, t0);
    cycle.countdownTick(t0 + 998ms);
    cycle.abortCountdown();
    EXPECT_EQ(cycle.state(), State::Ready);
    EXPECT_EQ(cycle.display(t0 + 2s), "00:00.00");
    EXPECT_EQ(cycle.pending(), 0.0);
}

TEST(SolveCycleTest, StopTakesTheGivenInstantAndHoldsTheTime) {
    SolveCycle cycle;
    cycle.start(0, t0);
    EXPECT_DOUBLE_EQ(cycle.stop(t0 + 12345ms), 12.345);
    EXPECT_EQ(cycle.state(), State::Waiting);
    // later refreshes do not move the stopped time
    EXPECT_EQ(cycle.display(t0 + 60s), "00:12.35");
    EXPECT_DOUBLE_EQ(cycle.addPenalty(), 14.345);
    cycle.settle(false);
    EXPECT_EQ(cycle.state(), State::Ready);
}

TEST(SolveCycleTest, LongSolvesAreMeasuredWhole) {
    // a monotonic clock has no midnight: 25 hours are 25 hours
    SolveCycle cycle;
    cycle.start(0, t0);
    EXPECT_DOUBLE_EQ(cycle.stop(t0 + 25h + 500ms), 90000.5);
}

TEST(SolveCycleTest, EndedSessionWaitsForReset) {
    SolveCycle cycle;
    cycle.start(0, t0);
    cycle.stop(t0 + 1s);
    cycle.settle(true);
    EXPECT_EQ(cycle.state(), State::Ended);
    EXPECT_FALSE(cycle.start(0, t0).timingStarted);
    EXPECT_EQ(cycle.state(), State::Ended);
    cycle.reset();
    EXPECT_EQ(cycle.state(), State::Ready);
}

TEST(SolveCycleTest, OperationsOutOfTurnChangeNothing) {
    SolveCycle cycle;
    EXPECT_EQ(cycle.stop(t0), 0.0);
    EXPECT_EQ(cycle.addPenalty(), 0.0);
    cycle.settle(true);
    EXPECT_FALSE(cycle.countdownTick(t0).timingStarted);
    EXPECT_EQ(cycle.state(), State::Ready);
}

}  // namespace
}  // namespace cubetimer
