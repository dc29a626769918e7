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

TEST(SpokenTest, OnlyWordsThatAreTurnsChangeInACaption) {
    const std::pair<const char*, const char*> cases[] = {
        {"Turn R", "Turn R"}, {"Turn F2", "Turn F two"}, {"Rotate R'x", "Rotate R'x"}};
    for (const auto& [caption, spoken] : cases) EXPECT_EQ(SpeakableTurns(caption), spoken) << caption;
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

}  // namespace
}  // namespace cubetimer
