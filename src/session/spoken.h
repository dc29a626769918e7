#pragma once

#include <string>
#include <string_view>

#include "session/session.h"

namespace cubetimer {

// What the timer says aloud to a screen reader, as plain sentences. Cube
// notation is spelled out ("F prime", "R two"): speech engines read "F'" as
// "F" and a pause, and a scramble would lose every prime.

// "Turn L'" -> "Turn L prime": every word that is a turn is spoken as one.
std::string SpeakableTurns(std::string_view text);

// "F' R2 U" in any of the scramble forms -> "F prime, R two, U".
std::string SpokenScramble(std::string_view scramble);

// "Scramble: F prime, R two, U."
std::string ScrambleSentence(std::string_view scramble);

// At Start with a countdown: "Countdown 5 seconds".
std::string CountdownSentence(int seconds);

// After a countdown tick: "3", "2", "1", then "Go" as timing starts;
// nothing for the seconds above 3.
std::string CountdownTickSentence(int secondsLeft);

enum class Decision { Save, Penalty, Dnf, Discard };

// The decision on a stopped solve and the statistics it changed, e.g.
// "Saved 00:12.34. Average 00:13.00." `before` and `after` are the
// statistics captions around the recording; a first solve tells its best.
std::string DecisionSentence(Decision decision, const std::string& timeText, const StatisticsTexts& before,
                             const StatisticsTexts& after);

}  // namespace cubetimer
