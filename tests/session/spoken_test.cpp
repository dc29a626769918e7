#include "session/spoken.h"

#include <gtest/gtest.h>

#include "session/time_text.h"

namespace cubetimer {
namespace {

TEST(SpokenTest, TurnsAreSpelledOutInEveryScrambleForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"F' R2 U  ", "F prime, R two, U"},                 // generated: three characters a turn
        {"L2 D B' ", "L two, D, B prime"},                    // an imported line
        {"RUR'U2", "R, U, R prime, U two"},                   // no blanks at all
        {"", ""},
    };
    for (const auto& [scramble, spoken] : cases) EXPECT_EQ(SpokenScramble(scramble), spoken) << scramble;
}

TEST(SpokenTest, OnlyWordsThatAreTurnsChangeInACaptionAndOneSecondIsSingular) {
    const std::pair<const char*, const char*> cases[] = {
        {"Turn R", "Turn R"}, {"Turn F2", "Turn F two"}, {"Rotate R'x", "Rotate R'x"}};
    for (const auto& [caption, spoken] : cases) EXPECT_EQ(SpeakableTurns(caption), spoken) << caption;
    EXPECT_EQ(CountdownSentence(1), "Countdown 1 second");
}

// The sentences around the session the user really builds, so the captions
// compared are the ones the frame shows.
TEST(SpokenTest, ADecisionTellsTheTimeAndTheStatisticsItChanged) {
    const std::tuple<std::vector<double>, Decision, double, const char*> cases[] = {
        {{}, Decision::Dnf, kDnf, "DNF."},
        {{12.0}, Decision::Save, 14.0, "Saved 00:14.00. Average 00:13.00. Worst 00:14.00."},
        {{12.0}, Decision::Penalty, 11.5, "Plus two, 00:11.50. Average 00:11.75. Best 00:11.50."},
        {{12.0, 14.0}, Decision::Save, 13.0, "Saved 00:13.00. Average 00:13.00."},
    };
    for (const auto& [earlier, decision, value, said] : cases) {
        Session session(5);
        for (double v : earlier) session.RecordSolve(v, "U ");
        const StatisticsTexts before = session.statistics();
        session.RecordSolve(value, "U ");
        const std::string time = value == kDnf ? "DNF" : FormatTime(value);
        EXPECT_EQ(DecisionSentence(decision, time, before, session.statistics()), said) << said;
    }
}

// The windows hand the words of the user's language; the sentences are built
// from them alone, and a first solve is told by bare captions in any language.
TEST(SpokenTest, SentencesInTheWordsTheyAreGiven) {
    SpokenWords words;
    words.prime = "Strich";
    words.two = "zwei";
    words.scramble = "Scramble: %1.";
    words.countdown = [](int seconds) { return "Countdown " + std::to_string(seconds) + " Sekunden"; };
    words.go = "Los";
    words.saved = "Gespeichert: %1.";
    words.penalty = "Plus zwei, %1.";
    words.discarded = "Verworfen.";
    EXPECT_EQ(ScrambleSentence("F' R2 U ", words), "Scramble: F Strich, R zwei, U.");
    EXPECT_EQ(SpeakableTurns("Drehe L'", words), "Drehe L Strich");
    EXPECT_EQ(CountdownSentence(5, words), "Countdown 5 Sekunden");
    EXPECT_EQ(CountdownTickSentence(0, words), "Los");
    EXPECT_EQ(DecisionSentence(Decision::Discard, "", {}, {}, words), "Verworfen.");

    const StatisticsTexts captions{"Beste:", "Schlechteste:", "Durchschnitt:", "Abweichung:"};
    Session session(5);
    const StatisticsTexts bare = session.statistics(',', captions);
    session.RecordSolve(12.0, "U ");
    EXPECT_EQ(DecisionSentence(Decision::Save, "00:12,00", bare, session.statistics(',', captions), words),
              "Gespeichert: 00:12,00. Beste 00:12,00.");
    const StatisticsTexts before = session.statistics(',', captions);
    session.RecordSolve(11.5, "U ");
    EXPECT_EQ(DecisionSentence(Decision::Penalty, "00:11,50", before, session.statistics(',', captions), words),
              "Plus zwei, 00:11,50. Durchschnitt 00:11,75. Beste 00:11,50.");
}

}  // namespace
}  // namespace cubetimer
