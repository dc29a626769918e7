#pragma once

#include <functional>
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
    std::function<std::string(int seconds)> countdown = [](int seconds) {
        return "Countdown " + std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
    };
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

// At Start with a countdown: "Countdown 5 seconds".
std::string CountdownSentence(int seconds, const SpokenWords& words = {});

// After a countdown tick: "3", "2", "1", then "Go" as timing starts;
// nothing for the seconds above 3.
std::string CountdownTickSentence(int secondsLeft, const SpokenWords& words = {});

enum class Decision { Save, Penalty, Dnf, Discard };

// The decision on a stopped solve and the statistics it changed, e.g.
// "Saved 00:12.34. Average 00:13.00." `before` and `after` are the
// statistics captions around the recording; a first solve tells its best.
std::string DecisionSentence(Decision decision, const std::string& timeText, const StatisticsTexts& before,
                             const StatisticsTexts& after, const SpokenWords& words = {});

}  // namespace cubetimer
