#pragma once

#include <chrono>
#include <string>

namespace cubetimer {

// The timing cycle of one solve: inspection countdown, timing, the stopped
// solve waiting for a decision, and the ended session. The state is kept
// explicitly rather than read back from captions, and every instant comes from
// the caller, so a tick or a key press is measured where it happened.
// It records nothing itself: the caller takes pending() into the session.
class SolveCycle {
public:
    using Clock = std::chrono::steady_clock;
    enum class State { Ready, Countdown, Timing, Waiting, Ended };

    struct Step {
        bool beep = false;           // the countdown has reached 3, 2 or 1
        bool timingStarted = false;  // the clock is running from this step on
    };

    State state() const { return state_; }
    int countdownSeconds() const { return countdown_; }
    double pending() const { return pending_; }

    // Ready -> Countdown (seconds > 0) or Timing (seconds == 0).
    Step start(int countdownSeconds, Clock::time_point now);
    // One countdown tick: the next whole second, timing starts at 0.
    Step countdownTick(Clock::time_point now);
    // Countdown -> Ready; nothing is measured.
    void abortCountdown();
    // Timing -> Waiting: the solve's time is the interval up to `at`.
    double stop(Clock::time_point at);
    // Waiting: adds the two-second penalty to the waiting solve.
    double addPenalty();
    // Waiting -> Ready, or -> Ended when the recorded solve filled the session.
    void settle(bool sessionEnded);
    // Any state -> Ready, as a session reset leaves it (a running solve is dropped).
    void reset();

    // A Stackmat's running figure (seconds) that arrived at `at`: Ready or
    // Countdown -> Timing; from then on the solve shows the timer's figure,
    // advanced by the clock until the next one is due, never further.
    Step timerRunning(double figure, Clock::time_point at);
    // Timing -> Waiting with the timer's final figure as the solve's time.
    double timerStopped(double figure);
    // Timing -> Ready: the timer was reset mid-solve, nothing is measured.
    void abandon();
    bool followsTimer() const { return following_; }

    // Seconds since timing began (0 unless timing).
    double elapsed(Clock::time_point now) const;
    // What the time display shows in this state.
    std::string display(Clock::time_point now, char decimalMark = '.') const;

private:
    State state_ = State::Ready;
    int countdown_ = 0;
    double pending_ = 0.0;
    Clock::time_point startInstant_{};
    bool following_ = false;
    double figure_ = 0.0;
    Clock::time_point figureAt_{};
};

// A Stackmat sends its reading about every 110 ms; a second without one and
// its signal counts as lost.
inline constexpr std::chrono::milliseconds kTimerPacketPeriod{110};
inline constexpr std::chrono::seconds kTimerSilentAfter{1};

}  // namespace cubetimer
