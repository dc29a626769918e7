#pragma once

#include <chrono>
#include <optional>

#include "session/solve_cycle.h"
#include "session/stackmat_decoder.h"

namespace cubetimer {

// Where a Stackmat's readings enter the solve cycle: the timer's start starts
// the solve (ending a countdown), its stop makes the solve wait with the
// timer's own figure, a reset mid-solve drops the solve. A reading is taken
// only when it fits the run it belongs to, so a stray or damaged packet, a
// click or a loose ground changes nothing. It never saves: the decision on a
// stopped solve stays with the keys.
class StackmatLink {
public:
    using Clock = SolveCycle::Clock;
    enum class Signal { None, Found, Lost };
    enum class Action { None, Started, Stopped, Abandoned };
    struct Result {
        Action action = Action::None;
        bool signalChanged = false;
    };

    explicit StackmatLink(SolveCycle& cycle) : cycle_(cycle) {}

    // A decoded packet and when its end reached the sound input.
    Result packet(const StackmatPacket& packet, Clock::time_point arrival);
    // Called a few times a second: the signal is lost after a second
    // without a valid packet.
    Result tick(Clock::time_point now);
    Signal signal() const { return signal_; }

private:
    struct Reading {
        char status;
        int milliseconds;
        Clock::time_point arrival;
    };
    // The figure could follow `from`: not lower, and not further on than the
    // time between them allows.
    static bool Follows(const Reading& from, int milliseconds, Clock::time_point arrival);

    SolveCycle& cycle_;
    Signal signal_ = Signal::None;
    Clock::time_point lastPacket_{};
    std::optional<Reading> previous_;
    // The last running reading of the run the solve follows.
    std::optional<Reading> run_;
};

}  // namespace cubetimer
