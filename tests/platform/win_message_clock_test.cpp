#include <windows.h>

#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <thread>

#include "platform/win_key_messages.h"
#include "platform/win_message_clock.h"

namespace cubetimer {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

const Clock::time_point kStart{std::chrono::hours(100)};

// A tick count that moves by `tickUs` and stood at `base` at kStart; every
// read of the steady clock moves it on by `readUs`.
struct FakeClocks {
    std::uint32_t base;
    std::int64_t tickUs;
    std::int64_t readUs = 100;
    Clock::time_point now = kStart;

    std::uint32_t ticksAt(Clock::time_point at) const {
        const std::int64_t us = std::chrono::duration_cast<microseconds>(at - kStart).count();
        return base + static_cast<std::uint32_t>(us / tickUs * tickUs / 1000);
    }
    MessageClock measure() {
        return MessageClock::Measure([this] { return ticksAt(now); },
                                     [this] { return now += microseconds(readUs); });
    }
};

Clock::time_point At(double ms) { return kStart + microseconds(static_cast<std::int64_t>(ms * 1000)); }

double MsAfterStart(Clock::time_point at) { return std::chrono::duration<double, std::milli>(at - kStart).count(); }

TEST(MessageClockTest, MapsFineStampsToTheSteadyClockAcrossTheWrap) {
    struct Case {
        const char* name;
        std::uint32_t base;
        double keyMs;      // when the key went down
        double arrivedMs;  // when the program took its message
    };
    const Case cases[] = {
        {"at once", 1000, 37.4, 37.6},
        {"after a busy queue", 1000, 37.4, 437.0},
        {"the count wrapping between anchor and key", 0xFFFFFFF0u, 40.2, 240.0},
        {"the count wrapping before the anchor", 0xFFFFFFFFu, 80.9, 81.0},
    };
    for (const Case& c : cases) {
        FakeClocks clocks{c.base, 1000};
        const MessageClock clock = clocks.measure();
        EXPECT_FALSE(clock.coarse()) << c.name;
        const Clock::time_point instant = clock.instant(clocks.ticksAt(At(c.keyMs)), At(c.arrivedMs));
        // The stamp counts whole milliseconds, and the anchor is read within one read's time of its step.
        EXPECT_LE(MsAfterStart(instant), c.keyMs + 0.15) << c.name;
        EXPECT_GE(MsAfterStart(instant), c.keyMs - 1.0) << c.name;
    }
}

TEST(MessageClockTest, CoarseTicksTakeTheArrivalUnlessTheMessageWaitedLongerThanAStep) {
    // Windows' own tick: 15.625 ms, counted in whole milliseconds.
    FakeClocks clocks{5000, 15625};
    const MessageClock clock = clocks.measure();
    EXPECT_TRUE(clock.coarse());
    EXPECT_EQ(clock.step(), milliseconds(16));
    struct Case {
        double keyMs, arrivedMs;
        double lowest, highest;  // where the instant may fall
    };
    const Case cases[] = {
        {100.0, 100.4, 100.4, 100.4},  // an idle queue: the arrival is the instant
        {109.0, 109.2, 109.2, 109.2},
        {100.0, 300.0, 100.0, 116.7},  // a busy one: within a step after the key
        {120.0, 900.0, 120.0, 136.7},
    };
    for (const Case& c : cases) {
        const double instant = MsAfterStart(clock.instant(clocks.ticksAt(At(c.keyMs)), At(c.arrivedMs)));
        EXPECT_GE(instant, c.lowest - 0.01) << c.keyMs << " taken at " << c.arrivedMs;
        EXPECT_LE(instant, c.highest + 0.01) << c.keyMs << " taken at " << c.arrivedMs;
    }
}

TEST(MessageClockTest, AStampAheadOfTheArrivalIsTheArrival) {
    FakeClocks clocks{1000, 1000};
    const MessageClock clock = clocks.measure();
    EXPECT_EQ(clock.instant(clocks.ticksAt(At(250)), At(200)), At(200));
}

TEST(MessageClockTest, AReaderHeldUpWhileMeasuringStillFindsTheFineCount) {
    for (const int heldAt : {2, 3, 20}) {  // before, at and after the first step
        FakeClocks clocks{1000, 1000};
        int reads = 0;
        const MessageClock clock = MessageClock::Measure(
            [&] { return clocks.ticksAt(clocks.now); },
            [&] { return clocks.now += microseconds(++reads == heldAt ? 300000 : 100); });
        EXPECT_FALSE(clock.coarse()) << heldAt;
        EXPECT_EQ(clock.step(), milliseconds(1)) << heldAt;
    }
}

TEST(MessageClockTest, ACountThatDoesNotMoveIsTakenAsCoarse) {
    Clock::time_point now = kStart;
    const MessageClock clock = MessageClock::Measure([] { return 7u; }, [&] { return now += milliseconds(1); });
    EXPECT_TRUE(clock.coarse());
}

TEST(MessageClockTest, ReadingsNearerTheStepAndLaterDriftAreFollowed) {
    // Anchored late: the count stood at 1000 from 0 ms, but was first seen at 0.9 ms.
    MessageClock clock(milliseconds(1), 1000, At(0.9));
    EXPECT_NEAR(MsAfterStart(clock.instant(1500, At(600))), 500.9, 0.01);
    clock.sample(1200, At(200.1));
    EXPECT_NEAR(MsAfterStart(clock.instant(1500, At(600))), 500.1, 0.01);
    // The tick count has since fallen 3 ms behind: after two windows only
    // readings taken since count.
    clock.sample(26000, At(25003.2));
    clock.sample(26100, At(25103.05));
    EXPECT_NEAR(MsAfterStart(clock.instant(26200, At(26000))), 25203.05, 0.01);
}

MSG KeyMessage(UINT type, int scanCode, std::uint32_t time, bool repeat = false) {
    MSG message{};
    message.message = type;
    message.wParam = VK_SPACE;
    message.lParam = static_cast<LPARAM>((scanCode & 0x1ff) << 16 | (repeat ? 1 << 30 : 0) | 1);
    message.time = time;
    return message;
}

std::uint32_t StampAt(double ms) {
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<milliseconds>(At(ms).time_since_epoch()).count());
}

TEST(KeyMessagesTest, KeyEventsTakeTheirMessagesTimesInOrder) {
    const std::uint32_t base = 0xFFFFFF00u;
    KeyMessages keys(MessageClock(milliseconds(1), base, kStart));
    constexpr int kSpace = 0x39, kPadEnter = 0x11C, kEnter = 0x1C;
    // All taken off the queue at 900 ms, after a busy spell.
    keys.seen(KeyMessage(WM_KEYDOWN, kSpace, base + 100), base + 900, At(900));
    keys.seen(KeyMessage(WM_KEYDOWN, kSpace, base + 600, true), base + 900, At(900));
    keys.seen(KeyMessage(WM_KEYUP, kSpace, base + 700), base + 900, At(900));
    keys.seen(KeyMessage(WM_SYSKEYDOWN, kPadEnter, base + 800), base + 900, At(900));

    const std::uint32_t qtStamp = 4321;  // the toolkit's own clock: not steady ms
    EXPECT_EQ(keys.stamp(kSpace, true, qtStamp, At(901)), StampAt(100));
    // Handed up to a parent, the same event keeps its stamp and takes no other.
    EXPECT_EQ(keys.stamp(kSpace, true, StampAt(100), At(901)), StampAt(100));
    // The repeat is a release and a press at one instant.
    EXPECT_EQ(keys.stamp(kSpace, false, qtStamp, At(902)), StampAt(600));
    EXPECT_EQ(keys.stamp(kSpace, true, qtStamp, At(902)), StampAt(600));
    EXPECT_EQ(keys.stamp(kSpace, false, qtStamp, At(903)), StampAt(700));
    // The extended bit tells the keypad's Enter from the main one.
    EXPECT_EQ(keys.stamp(kEnter, true, qtStamp, At(903)), 0u);
    EXPECT_EQ(keys.stamp(kPadEnter, true, qtStamp, At(903)), StampAt(800));
    // A key event no message was seen for.
    EXPECT_EQ(keys.stamp(kSpace, true, qtStamp, At(904)), 0u);
}

TEST(KeyMessagesTest, AStampWaitsForItsKeyEventUntilTheProgramWaitsForMessages) {
    constexpr int kSpace = 0x39;
    const std::uint32_t qtStamp = 4321;
    // The program held up between taking the message and handing on its key
    // event, as on a busy machine: the event still takes the message's time.
    for (const double heldMs : {10.0, 1500.0, 4000.0}) {
        KeyMessages keys(MessageClock(milliseconds(1), 1000, kStart));
        keys.seen(KeyMessage(WM_KEYDOWN, kSpace, 1100), 1100, At(100.5));
        EXPECT_EQ(keys.stamp(kSpace, true, qtStamp, At(100.5 + heldMs)), StampAt(100)) << heldMs;
    }
    // A message whose key event never came (a window that would not take
    // it) is let go once the program waits, not given to the next press.
    KeyMessages keys(MessageClock(milliseconds(1), 1000, kStart));
    keys.seen(KeyMessage(WM_KEYDOWN, kSpace, 1100), 1100, At(100.5));
    keys.idle();
    keys.seen(KeyMessage(WM_KEYDOWN, kSpace, 1400), 1400, At(400.5));
    EXPECT_EQ(keys.stamp(kSpace, true, qtStamp, At(401)), StampAt(400));
}

// The real clocks: under Wine the tick count moves by the millisecond, and a
// message posted while the program was busy keeps the time it was posted.
TEST(KeyMessagesTest, APostedMessageIsTimedWhenPostedNotWhenTaken) {
    KeyMessages keys(MessageClock::Measure(GetTickCount, Clock::now));
    const Clock::time_point posted = Clock::now();
    ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_KEYDOWN, VK_SPACE, 0x390001));
    std::this_thread::sleep_for(milliseconds(300));
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    const Clock::time_point taken = Clock::now();
    keys.seen(message, GetTickCount(), taken);
    const std::uint32_t stamp = keys.stamp(0x39, true, 1, taken);
    const auto postedMs = std::chrono::duration_cast<milliseconds>(posted.time_since_epoch()).count();
    const auto error = static_cast<std::int32_t>(stamp - static_cast<std::uint32_t>(postedMs));
    EXPECT_GE(error, -2) << "tick step " << keys.clock().step().count() << " ms";
    EXPECT_LE(error, keys.clock().step().count() + 2) << "tick step " << keys.clock().step().count() << " ms";
}

}  // namespace
}  // namespace cubetimer
