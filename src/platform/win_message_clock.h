#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace cubetimer {

// Turns the time a Windows input message carries, the tick count in
// milliseconds (32 bits, wrapping every 49.7 days), into the steady clock's
// time. The tick count moves in steps: 1 ms under Wine, one system tick
// (15.6 ms) on Windows itself. There the message's time only bounds when the
// key went down, and the instant the message was taken off the queue is the
// better measure unless the message waited longer than a step.
class MessageClock {
public:
    using Clock = std::chrono::steady_clock;

    // Steps of up to this much are fine enough to time a key by.
    static constexpr std::chrono::milliseconds kFineStep{2};
    static constexpr std::size_t kMeasuredSteps = 3;

    // Watches the tick count step kMeasuredSteps times; the instant of the
    // last step anchors the mapping, and the steps give the granularity, also
    // when the reading thread is held up. A count that does not move within
    // `limit` is taken as Windows' coarse tick.
    static MessageClock Measure(const std::function<std::uint32_t()>& readTicks,
                                const std::function<Clock::time_point()>& readClock,
                                std::chrono::milliseconds limit = std::chrono::milliseconds(100));

    // The tick count stood at `tick` from no later than `at`, and moves by `step`.
    MessageClock(std::chrono::milliseconds step, std::uint32_t tick, Clock::time_point at);

    // A reading of the tick count together with the steady clock. The reading
    // nearest after a step anchors the mapping; readings older than two
    // windows are let go, so the two clocks drifting apart is followed.
    void sample(std::uint32_t tick, Clock::time_point at);

    // The instant of a message stamped `messageTime`, never after `arrived`,
    // when the program took the message.
    Clock::time_point instant(std::uint32_t messageTime, Clock::time_point arrived) const;

    std::chrono::milliseconds step() const { return step_; }
    bool coarse() const { return step_ > kFineStep; }

private:
    struct Reading {
        std::uint32_t tick;
        Clock::time_point at;
    };
    // True when `a` lies nearer after a step of the count than `b` does.
    static bool Nearer(const Reading& a, const Reading& b);

    static constexpr std::chrono::seconds kWindow{10};

    std::chrono::milliseconds step_;
    Reading current_;   // the nearest reading of this window
    Reading previous_;  // and of the window before
    Clock::time_point windowStart_;
};

}  // namespace cubetimer
