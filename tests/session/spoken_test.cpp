#include "session/spoken.h"

#include <gtest/gtest.h>

#include "session/time_text.h"

namespace cubetimer {
namespace {

TEST(SpokenTest, TurnsAreSpelledOutInEveryScrambleForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"F' R2 U  ", "F prime, R two, U"},                 // generated: three characters a turn
        {"R U R' U'", "R, U, R prime, U prime"},              // an imported line
        {"L2 D B' ", "L two, D, B prime"},                    // a contest line
        {"RUR'U2", "R, U, R prime, U two"},                   // no blanks at all
        {"", ""},
    };
    for (const auto& [scramble, spoken] : cases) EXPECT_EQ(SpokenScramble(scramble), spoken) << scramble;
    EXPECT_EQ(ScrambleSentence("D' B2 "), "Scramble: D prime, B two.");
}

TEST(SpokenTest, OnlyWordsThatAreTurnsChangeInACaption) {
    const std::pair<const char*, const char*> cases[] = {
        {"Turn L'", "Turn L prime"},
        {"Turn R", "Turn R"},
        {"Turn F2", "Turn F two"},
        {"Turn the whole cube as U", "Turn the whole cube as U"},
        {"Rotate R'x", "Rotate R'x"},
    };
    for (const auto& [caption, spoken] : cases) EXPECT_EQ(SpeakableTurns(caption), spoken) << caption;
}

TEST(SpokenTest, TheCountdownSaysItsLengthThenThreeTwoOneAndGo) {
    EXPECT_EQ(CountdownSentence(5), "Countdown 5 seconds");
    EXPECT_EQ(CountdownSentence(1), "Countdown 1 second");
    EXPECT_EQ(CountdownSentence(20), "Countdown 20 seconds");
    const std::pair<int, const char*> ticks[] = {{19, ""}, {4, ""}, {3, "3"}, {2, "2"}, {1, "1"}, {0, "Go"}};
    for (const auto& [left, said] : ticks) EXPECT_EQ(CountdownTickSentence(left), said) << left;
}

// The sentences around the session the user really builds, so the captions
// compared are the ones the frame shows.
TEST(SpokenTest, ADecisionTellsTheTimeAndTheStatisticsItChanged) {
    struct Case {
        std::vector<double> earlier;
        Decision decision;
        double value;
        const char* said;
    };
    const Case cases[] = {
        {{}, Decision::Save, 12.34, "Saved 00:12.34. Best 00:12.34."},
        {{}, Decision::Dnf, kDnf, "DNF."},
        {{12.0}, Decision::Save, 14.0, "Saved 00:14.00. Average 00:13.00. Worst 00:14.00."},
        {{12.0}, Decision::Penalty, 11.5, "Plus two, 00:11.50. Average 00:11.75. Best 00:11.50."},
        {{12.0, 14.0}, Decision::Save, 13.0, "Saved 00:13.00. Average 00:13.00."},
        {{12.0, 14.0}, Decision::Dnf, kDnf, "DNF. Average 00:13.00. Worst DNF."},
        {{12.0}, Decision::Discard, 0, "Discarded."},
    };
    for (const Case& c : cases) {
        Session session(5);
        for (double v : c.earlier) session.RecordSolve(v, "U ");
        const StatisticsTexts before = session.statistics();
        if (c.decision != Decision::Discard) session.RecordSolve(c.value, "U ");
        const std::string time = c.value == kDnf ? "DNF" : FormatTime(c.value);
        EXPECT_EQ(DecisionSentence(c.decision, time, before, session.statistics()), c.said) << c.said;
    }
}

TEST(SpokenTest, TheDecimalMarkIsSpokenAsShown) {
    Session session(5);
    const StatisticsTexts before = session.statistics(',');
    session.RecordSolve(9.5, "U ");
    EXPECT_EQ(DecisionSentence(Decision::Save, FormatTime(9.5, ','), before, session.statistics(',')),
              "Saved 00:09,50. Best 00:09,50.");
}

}  // namespace
}  // namespace cubetimer
