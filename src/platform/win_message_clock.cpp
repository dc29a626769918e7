#include "platform/win_message_clock.h"

#include <algorithm>
#include <vector>

namespace cubetimer {

using std::chrono::milliseconds;

MessageClock MessageClock::Measure(const std::function<std::uint32_t()>& readTicks,
                                   const std::function<Clock::time_point()>& readClock, milliseconds limit) {
    // A reader held up between two readings sees a step several times too
    // large, never one too small: the smallest step tells the count's grain,
    // and the largest within half a step more of it is the step (Windows'
    // count alternates 15 and 16 ms).
    Clock::time_point moved = readClock();  // read before the count last moved
    std::uint32_t tick = readTicks();
    Clock::time_point at = moved;
    std::vector<milliseconds> steps;
    while (steps.size() < kMeasuredSteps) {
        const Clock::time_point before = at;  // read before the count below
        const std::uint32_t now = readTicks();
        at = readClock();
        if (now != tick) {
            steps.push_back(milliseconds(now - tick));
            tick = now;
            moved = before;
        } else if (before - moved > limit) {
            return MessageClock(milliseconds(16), tick, at);
        }
    }
    const milliseconds grain = *std::min_element(steps.begin(), steps.end());
    milliseconds step = grain;
    for (const milliseconds s : steps) {
        if (2 * s <= 3 * grain) step = std::max(step, s);
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
