#include "session/spoken.h"

#include <algorithm>

namespace cubetimer {

namespace {

bool IsFace(char c) { return c == 'U' || c == 'D' || c == 'F' || c == 'B' || c == 'L' || c == 'R'; }

std::string SpokenTurn(char face, char modifier) {
    std::string turn(1, face);
    if (modifier == '\'') turn += " prime";
    if (modifier == '2') turn += " two";
    return turn;
}

// "Average: 00:13.00" -> "Average 00:13.00"
std::string Spoken(const std::string& caption) {
    std::string spoken = caption;
    if (const auto colon = spoken.find(": "); colon != std::string::npos) spoken.erase(colon, 1);
    return spoken + ".";
}

}  // namespace

std::string SpeakableTurns(std::string_view text) {
    std::string spoken;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = std::min(text.find(' ', i), text.size());
        const std::string_view word = text.substr(i, end - i);
        const bool turn = (word.size() == 1 || (word.size() == 2 && (word[1] == '\'' || word[1] == '2'))) &&
                          IsFace(word[0]);
        spoken += turn ? SpokenTurn(word[0], word.size() == 2 ? word[1] : ' ') : std::string(word);
        if (end < text.size()) spoken += ' ';
        i = end + 1;
    }
    return spoken;
}

std::string SpokenScramble(std::string_view scramble) {
    // Read as the cube reads it: a face letter, then maybe "'" or "2", blanks or not.
    std::string spoken;
    for (std::size_t i = 0; i < scramble.size(); ++i) {
        if (!IsFace(scramble[i])) continue;
        const char modifier = i + 1 < scramble.size() ? scramble[i + 1] : ' ';
        if (!spoken.empty()) spoken += ", ";
        spoken += SpokenTurn(scramble[i], modifier);
    }
    return spoken;
}

std::string ScrambleSentence(std::string_view scramble) { return "Scramble: " + SpokenScramble(scramble) + "."; }

std::string CountdownSentence(int seconds, bool focusMoves) {
    return seconds >= kSpokenCountdown && !focusMoves ? "Countdown " + std::to_string(seconds) : std::string();
}

std::string CountdownTickSentence(int secondsLeft, int countdownSeconds) {
    return secondsLeft == 0 && countdownSeconds >= kSpokenCountdown ? "Go" : std::string();
}

std::string DecisionSentence(Decision decision, const std::string& timeText, const StatisticsTexts& before,
                             const StatisticsTexts& after) {
    if (decision == Decision::Discard) return "Discarded.";
    std::string sentence = decision == Decision::Save      ? "Saved " + timeText + "."
                           : decision == Decision::Penalty ? "Plus two, " + timeText + "."
                                                           : std::string("DNF.");
    // A first solve has no average to speak of yet; a first DNF not even a best.
    if (before.best == StatisticsTexts{}.best) {
        if (decision != Decision::Dnf) sentence.append(" ").append(Spoken(after.best));
        return sentence;
    }
    sentence.append(" ").append(Spoken(after.average));
    if (after.best != before.best) sentence.append(" ").append(Spoken(after.best));
    if (after.worst != before.worst) sentence.append(" ").append(Spoken(after.worst));
    return sentence;
}

}  // namespace cubetimer
