#include "session/solve_cycle.h"

#include "session/time_text.h"

#include <algorithm>

namespace cubetimer {

namespace {

bool Beeps(int seconds) { return seconds >= 1 && seconds <= 3; }

// 9:59.99 on a five-digit display, 9:59.999 on a six-digit one.
constexpr double kTimerLimit = 599.99;

}  // namespace

SolveCycle::Step SolveCycle::start(int countdownSeconds, Clock::time_point now) {
    if (state_ != State::Ready) return {};
    following_ = false;
    if (countdownSeconds > 0) {
        state_ = State::Countdown;
        countdown_ = countdownSeconds;
        return {Beeps(countdown_), false};
    }
    countdown_ = 0;
    state_ = State::Timing;
    startInstant_ = now;
    return {false, true};
}

SolveCycle::Step SolveCycle::countdownTick(Clock::time_point now) {
    if (state_ != State::Countdown) return {};
    --countdown_;
    if (countdown_ > 0) return {Beeps(countdown_), false};
    state_ = State::Timing;
    startInstant_ = now;
    return {false, true};
}

void SolveCycle::abortCountdown() {
    if (state_ == State::Countdown) state_ = State::Ready;
}

double SolveCycle::stop(Clock::time_point at) {
    if (state_ != State::Timing) return pending_;
    // By the clock from the solve's start, also on a timer's solve: the key
    // stops what the timer no longer reports.
    following_ = false;
    pending_ = elapsed(at);
    state_ = State::Waiting;
    return pending_;
}

double SolveCycle::addPenalty() {
    if (state_ == State::Waiting) pending_ += 2.0;
    return pending_;
}

void SolveCycle::settle(bool sessionEnded) {
    if (state_ == State::Waiting) state_ = sessionEnded ? State::Ended : State::Ready;
}

void SolveCycle::reset() {
    state_ = State::Ready;
    following_ = false;
}

SolveCycle::Step SolveCycle::timerRunning(double figure, Clock::time_point at) {
    if (state_ == State::Waiting || state_ == State::Ended) return {};
    const bool starts = state_ != State::Timing;
    state_ = State::Timing;
    countdown_ = 0;
    following_ = true;
    figure_ = figure;
    figureAt_ = at;
    startInstant_ = at - std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(figure));
    return {false, starts};
}

double SolveCycle::timerStopped(double figure) {
    if (state_ != State::Timing) return pending_;
    pending_ = figure;
    state_ = State::Waiting;
    following_ = false;
    return pending_;
}

void SolveCycle::abandon() {
    if (state_ != State::Timing) return;
    state_ = State::Ready;
    following_ = false;
}

double SolveCycle::elapsed(Clock::time_point now) const {
    if (state_ != State::Timing) return 0.0;
    if (following_) {
        // The timer's display holds at its limit; otherwise the figure runs
        // on until the next reading is due. Once the timer has gone silent
        // (its cable pulled, the input turned off), the clock takes over.
        if (figure_ >= kTimerLimit) return figure_;
        if (now - figureAt_ <= kTimerSilentAfter) {
            const std::chrono::duration<double> since = std::min<Clock::duration>(now - figureAt_, kTimerPacketPeriod);
            return figure_ + std::max(since.count(), 0.0);
        }
    }
    const std::chrono::duration<double> seconds = now - startInstant_;
    return seconds.count() < 0 ? 0.0 : seconds.count();
}

std::string SolveCycle::display(Clock::time_point now, char decimalMark) const {
    switch (state_) {
        case State::Countdown: return std::string("-").append(FormatTime(countdown_, decimalMark));
        case State::Timing: return FormatTime(elapsed(now), decimalMark);
        case State::Waiting: return FormatTime(pending_, decimalMark);
        case State::Ready:
        case State::Ended: break;
    }
    return ZeroDisplay(decimalMark);
}

}  // namespace cubetimer
