#pragma once

#include <chrono>
#include <cstdint>
#include <map>

namespace cubetimer {

// Decides whether a key press is a new physical press. A held key reaches a
// program as a stream of presses, and from an X server as release and press
// pairs that carry one timestamp; on a busy machine the toolkit's auto-repeat
// flag is missing from some of them. So a key counts as down from its press
// until a release that is not followed by a press at the same instant, and
// only a press of a key that is up acts. Keys are told apart by any int code;
// a stamp of 0 means the event carries none.
class KeyGate {
public:
    // True when this press is a new physical press and should act.
    bool press(int key, std::uint32_t timestampMs, bool autoRepeat);
    void release(int key, std::uint32_t timestampMs, bool autoRepeat);
    // Forgets which keys are down: their releases may go to another window.
    // The instants of the last releases are kept, so a repeat that arrives
    // afterwards is still known as one.
    void forgetHeldKeys();

private:
    struct KeyState {
        bool down = false;
        bool released = false;
        std::uint32_t releasedAt = 0;
    };
    std::map<int, KeyState> keys_;
};

// The instant an input event happened. X and Wayland stamp events with the
// milliseconds of the monotonic clock that steady_clock reads, 32 bits wide;
// an event handled late is then still timed when it happened. A stamp that is
// ahead of `now` or further back than `maxAge` is on some other clock, and
// `now` is the instant instead.
std::chrono::steady_clock::time_point EventInstant(std::chrono::steady_clock::time_point now,
                                                   std::uint32_t timestampMs,
                                                   std::chrono::milliseconds maxAge = std::chrono::seconds(5));

}  // namespace cubetimer
