#include "platform/win_message_clock.h"

#include <algorithm>

namespace cubetimer {

using std::chrono::milliseconds;

MessageClock MessageClock::Measure(const std::function<std::uint32_t()>& readTicks,
                                   const std::function<Clock::time_point()>& readClock, milliseconds limit) {
    const Clock::time_point start = readClock();
    std::uint32_t tick = readTicks();
    Clock::time_point at = start;
    milliseconds step{0};
    for (int steps = 0; steps < 2;) {
        const std::uint32_t now = readTicks();
        at = readClock();
        if (now != tick) {
            step = std::max(step, milliseconds(now - tick));
            tick = now;
            ++steps;
        } else if (at - start > limit) {
            return MessageClock(milliseconds(16), tick, at);
        }
    }
    return MessageClock(step, tick, at);
}

MessageClock::MessageClock(milliseconds step, std::uint32_t tick, Clock::time_point at)
    : step_(step), current_{tick, at}, previous_{tick, at}, windowStart_(at) {}

bool MessageClock::Nearer(const Reading& a, const Reading& b) {
    // Both readings moved back to b's tick: the earlier one is nearer its step.
    // The difference is signed so that a count that wrapped in between still compares.
    const auto ticksApart = milliseconds(static_cast<std::int32_t>(a.tick - b.tick));
    return a.at - ticksApart < b.at;
}

void MessageClock::sample(std::uint32_t tick, Clock::time_point at) {
    const Reading reading{tick, at};
    if (at - windowStart_ >= 2 * kWindow) {
        current_ = previous_ = reading;
        windowStart_ = at;
    } else if (at - windowStart_ >= kWindow) {
        previous_ = current_;
        current_ = reading;
        windowStart_ = at;
    } else if (Nearer(reading, current_)) {
        current_ = reading;
    }
}

MessageClock::Clock::time_point MessageClock::instant(std::uint32_t messageTime, Clock::time_point arrived) const {
    const Reading& anchor = Nearer(current_, previous_) ? current_ : previous_;
    Clock::time_point at = anchor.at + milliseconds(static_cast<std::int32_t>(messageTime - anchor.tick));
    // A coarse stamp says only that the key went down within the step after it.
    if (coarse()) at += step_;
    return std::min(at, arrived);
}

}  // namespace cubetimer
