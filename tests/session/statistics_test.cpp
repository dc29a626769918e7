#include "session/statistics.h"

#include <gtest/gtest.h>

#include <vector>

#include "session/session.h"
#include "session/time_text.h"

namespace cubetimer {
namespace {

struct StatsCase {
    const char* name;
    std::vector<double> solves;
    int size;
    const char* best;
    const char* worst;
    const char* average;
    const char* deviation;
};

class StatisticsTest : public testing::TestWithParam<StatsCase> {};

TEST_P(StatisticsTest, CaptionsAfterTheSolves) {
    const StatsCase& c = GetParam();
    Session session(c.size);
    for (double value : c.solves) session.RecordSolve(value, "R U ");
    const StatisticsTexts texts = session.statistics();
    EXPECT_EQ(texts.best, c.best);
    EXPECT_EQ(texts.worst, c.worst);
    EXPECT_EQ(texts.average, c.average);
    EXPECT_EQ(texts.deviation, c.deviation);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StatisticsTest,
    testing::Values(
        StatsCase{"full_five", {10, 12, 11, 13, 9}, 5, "Best: 00:09.00", "Worst: 00:13.00", "Average: 00:11.00",
                  "Deviation: 1.58"},
        StatsCase{"full_five_with_dnf", {10, kDnf, 11, 12, 9}, 5, "Best: 00:09.00", "Worst: DNF",
                  "Average: 00:11.00", "Deviation: 1.29"},
        StatsCase{"two_of_twelve", {10, 12}, 12, "Best: 00:10.00", "Worst: 00:12.00", "Average: 00:11.00",
                  "Deviation: 1.41"},
        StatsCase{"one_solve", {10}, 12, "Best: 00:10.00", "Worst: 00:10.00", "Average: 00:10.00",
                  "Deviation: 0.00"},
        StatsCase{"only_dnf", {kDnf}, 12, "Best: 00:00.00", "Worst: DNF", "Average: 00:00.00", "Deviation: 0.00"},
        StatsCase{"dnf_and_one", {kDnf, 10}, 12, "Best: 00:10.00", "Worst: DNF", "Average: 00:10.00",
                  "Deviation: 0.00"},
        StatsCase{"thirds", {11, 11, 12}, 12, "Best: 00:11.00", "Worst: 00:12.00", "Average: 00:11.33",
                  "Deviation: 0.58"},
        // the mean of these twelve, best and worst removed, is exactly 11.335
        StatsCase{"tie_rounds_up",
                  {9, 11.33, 11.34, 11.33, 11.34, 11.33, 11.34, 11.33, 11.34, 11.33, 11.34, 20},
                  12, "Best: 00:09.00", "Worst: 00:20.00", "Average: 00:11.34", "Deviation: 2.65"},
        StatsCase{"ten_thousand_can_be_best", {10000, 10001}, 12, "Best: 166:40.00", "Worst: 166:41.00",
                  "Average: 166:40.50", "Deviation: 0.71"}),
    [](const testing::TestParamInfo<StatsCase>& info) { return info.param.name; });

TEST(StatisticsTest, FullTwelveWithDnfAveragesTheTenMiddleSolves) {
    std::vector<double> solves = {10, 11, 12, 13, 14, kDnf, 15, 16, 17, 18, 19, 20};
    // eleven timed solves sum to 165; less the best (10) leaves 155 over 10
    EXPECT_DOUBLE_EQ(AverageTime(solves, true, 12), 15.5);
    EXPECT_EQ(WorstTime(solves), kDnf);
    EXPECT_EQ(BestTime(solves), 10);
}

TEST(StatisticsTest, EqualBestKeepsTheValue) {
    const std::vector<double> solves = {12.5, 12.5, 13};
    EXPECT_EQ(BestTime(solves), 12.5);
    EXPECT_EQ(WorstTime(solves), 13);
}

}  // namespace
}  // namespace cubetimer
