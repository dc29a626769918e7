#pragma once

#include <string>
#include <string_view>

#include "session/session.h"

namespace cubetimer {

// What the timer says aloud to a screen reader, as plain sentences. Cube
// notation is spelled out ("F prime", "R two"): speech engines read "F'" as
// "F" and a pause, and a scramble would lose every prime.

// The words the sentences are made of: English, unless the windows hand the
// user's language's. "%1" stands for the turns or the time.
struct SpokenWords {
    std::string prime = "prime";
    std::string two = "two";
    std::string scramble = "Scramble: %1.";
    std::string countdown = "Countdown %1";
    std::string go = "Go";
    std::string saved = "Saved %1.";
    std::string penalty = "Plus two, %1.";
    std::string dnf = "DNF.";
    std::string discarded = "Discarded.";
};

// "Turn L'" -> "Turn L prime": every word that is a turn is spoken as one.
std::string SpeakableTurns(std::string_view text, const SpokenWords& words = {});

// "F' R2 U" in any of the scramble forms -> "F prime, R two, U".
std::string SpokenScramble(std::string_view scramble, const SpokenWords& words = {});

// "Scramble: F prime, R two, U."
std::string ScrambleSentence(std::string_view scramble, const SpokenWords& words = {});

// A screen reader reads one sentence after another, never cutting one short,
// so a word for each tick would be heard later and later after its moment.
// The countdown's beeps at 3, 2 and 1 are the cue. Words come only where
// whatever is said as Start is pressed has ended before them: a countdown of
// 4 s or more is said at its start and at its end; a shorter one, whose first
// beep sounds at once, is beeps alone.
constexpr int kSpokenCountdown = 4;

// At Start with a countdown of `seconds`: "Countdown 5", or nothing. Nothing
// either when Start moves the focus to the button (Enter on the slider): the
// screen reader then reads the panel and the button, "Stop", for about 3 s,
// which says as much; a sentence behind that would push "Go" past its moment.
std::string CountdownSentence(int seconds, bool focusMoves, const SpokenWords& words = {});

// After a countdown tick that leaves `secondsLeft`: "Go" as the timing
// starts, or nothing.
std::string CountdownTickSentence(int secondsLeft, int countdownSeconds, const SpokenWords& words = {});

enum class Decision { Save, Penalty, Dnf, Discard };

// The decision on a stopped solve and the statistics it changed, e.g.
// "Saved 00:12.34. Average 00:13.00." `before` and `after` are the
// statistics captions around the recording; a first solve tells its best.
std::string DecisionSentence(Decision decision, const std::string& timeText, const StatisticsTexts& before,
                             const StatisticsTexts& after, const SpokenWords& words = {});

}  // namespace cubetimer
