#include "session/stackmat_link.h"

namespace cubetimer {

namespace {

using namespace std::chrono_literals;

// How far a reading's arrival may stray from when the timer showed it: the
// sound server's and the decoder's blocks.
constexpr auto kSlack = 250ms;
// A run is joined at its beginning only: the first packets of a start.
constexpr int kStartWithin = 1000;

double Seconds(int milliseconds) { return milliseconds / 1000.0; }

}  // namespace

bool StackmatLink::Follows(const Reading& from, int milliseconds, Clock::time_point arrival) {
    const auto gone = std::chrono::duration_cast<std::chrono::milliseconds>(arrival - from.arrival + kSlack);
    return milliseconds >= from.milliseconds && milliseconds - from.milliseconds <= gone.count();
}

StackmatLink::Result StackmatLink::packet(const StackmatPacket& packet, Clock::time_point arrival) {
    Result result;
    if (signal_ != Signal::Found) {
        signal_ = Signal::Found;
        result.signalChanged = true;
    }
    lastPacket_ = arrival;
    const Reading reading{packet.status, packet.milliseconds, arrival};
    const std::optional<Reading> previous = previous_;
    previous_ = reading;
    const SolveCycle::State state = cycle_.state();
    const bool joined = run_ && state == SolveCycle::State::Timing;
    if (!joined) run_.reset();

    if (packet.status == ' ') {
        if (joined) {
            if (!Follows(*run_, packet.milliseconds, arrival)) return result;
        } else {
            // Two running packets in step make a start; one alone is a stray.
            const bool waiting = state == SolveCycle::State::Ready || state == SolveCycle::State::Countdown ||
                                 (state == SolveCycle::State::Timing && !cycle_.followsTimer());
            if (!waiting || !previous || previous->status != ' ' || previous->milliseconds > kStartWithin ||
                packet.milliseconds == previous->milliseconds || !Follows(*previous, packet.milliseconds, arrival) ||
                arrival - previous->arrival > 2 * kTimerPacketPeriod + kSlack)
                return result;
            result.action = Action::Started;
        }
        run_ = reading;
        cycle_.timerRunning(Seconds(packet.milliseconds), arrival);
        return result;
    }
    if (!joined) return result;
    // Stopped: 'S', or on timers that only know idle and running, 'I' still
    // showing the final figure.
    if (packet.milliseconds > 0 && (packet.status == 'S' || packet.status == 'I')) {
        if (!Follows(*run_, packet.milliseconds, arrival)) return result;
        cycle_.timerStopped(Seconds(packet.milliseconds));
        run_.reset();
        result.action = Action::Stopped;
        return result;
    }
    // Back to zero twice running, with no stop seen: the timer was reset.
    if (packet.milliseconds == 0 && previous && previous->status != ' ' && previous->milliseconds == 0) {
        cycle_.abandon();
        run_.reset();
        result.action = Action::Abandoned;
    }
    return result;
}

StackmatLink::Result StackmatLink::tick(Clock::time_point now) {
    Result result;
    if (signal_ == Signal::Found && now - lastPacket_ > kTimerSilentAfter) {
        signal_ = Signal::Lost;
        result.signalChanged = true;
    }
    return result;
}

}  // namespace cubetimer
