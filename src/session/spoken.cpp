#include "session/spoken.h"

#include <algorithm>

namespace cubetimer {

namespace {

bool IsFace(char c) { return c == 'U' || c == 'D' || c == 'F' || c == 'B' || c == 'L' || c == 'R'; }

std::string SpokenTurn(char face, char modifier, const SpokenWords& words) {
    std::string turn(1, face);
    if (modifier == '\'') turn.append(" ").append(words.prime);
    if (modifier == '2') turn.append(" ").append(words.two);
    return turn;
}

// The template with its "%1" filled in.
std::string Filled(std::string phrase, const std::string& value) {
    if (const auto at = phrase.find("%1"); at != std::string::npos) phrase.replace(at, 2, value);
    return phrase;
}

// "Average: 00:13.00" -> "Average 00:13.00"
std::string Spoken(const std::string& caption) {
    std::string spoken = caption;
    if (const auto colon = spoken.find(": "); colon != std::string::npos) spoken.erase(colon, 1);
    return spoken + ".";
}

}  // namespace

std::string SpeakableTurns(std::string_view text, const SpokenWords& words) {
    std::string spoken;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = std::min(text.find(' ', i), text.size());
        const std::string_view word = text.substr(i, end - i);
        const bool turn = (word.size() == 1 || (word.size() == 2 && (word[1] == '\'' || word[1] == '2'))) &&
                          IsFace(word[0]);
        spoken += turn ? SpokenTurn(word[0], word.size() == 2 ? word[1] : ' ', words) : std::string(word);
        if (end < text.size()) spoken += ' ';
        i = end + 1;
    }
    return spoken;
}

std::string SpokenScramble(std::string_view scramble, const SpokenWords& words) {
    // Read as the cube reads it: a face letter, then maybe "'" or "2", blanks or not.
    std::string spoken;
    for (std::size_t i = 0; i < scramble.size(); ++i) {
        if (!IsFace(scramble[i])) continue;
        const char modifier = i + 1 < scramble.size() ? scramble[i + 1] : ' ';
        if (!spoken.empty()) spoken += ", ";
        spoken += SpokenTurn(scramble[i], modifier, words);
    }
    return spoken;
}

std::string ScrambleSentence(std::string_view scramble, const SpokenWords& words) {
    return Filled(words.scramble, SpokenScramble(scramble, words));
}

std::string CountdownSentence(int seconds, const SpokenWords& words) { return words.countdown(seconds); }

std::string CountdownTickSentence(int secondsLeft, const SpokenWords& words) {
    if (secondsLeft == 0) return words.go;
    if (secondsLeft >= 1 && secondsLeft <= 3) return std::to_string(secondsLeft);
    return {};
}

std::string DecisionSentence(Decision decision, const std::string& timeText, const StatisticsTexts& before,
                             const StatisticsTexts& after, const SpokenWords& words) {
    if (decision == Decision::Discard) return words.discarded;
    std::string sentence = decision == Decision::Save      ? Filled(words.saved, timeText)
                           : decision == Decision::Penalty ? Filled(words.penalty, timeText)
                                                           : words.dnf;
    // A first solve has no average to speak of yet; a first DNF not even a best.
    // Before it the captions are bare, in whatever language: no digit in them.
    if (std::none_of(before.best.begin(), before.best.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        if (decision != Decision::Dnf) sentence.append(" ").append(Spoken(after.best));
        return sentence;
    }
    sentence.append(" ").append(Spoken(after.average));
    if (after.best != before.best) sentence.append(" ").append(Spoken(after.best));
    if (after.worst != before.worst) sentence.append(" ").append(Spoken(after.worst));
    return sentence;
}

}  // namespace cubetimer
