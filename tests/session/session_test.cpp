#include "session/session.h"

#include <gtest/gtest.h>

#include "session/report.h"
#include "session/time_text.h"

namespace cubetimer {
namespace {

std::string Report(const Session& session) { return ReportText(session, "11:08:23", "06/12/2026"); }

TEST(SessionTest, RecordsTimeRawTextAndScramble) {
    Session session;
    EXPECT_EQ(session.RecordSolve(12.344, "R U' F2 "), Session::Outcome::Recorded);
    EXPECT_EQ(session.count(), 1u);
    EXPECT_EQ(session.timeTexts(), std::vector<std::string>{"00:12.34"});
    EXPECT_EQ(session.rawTexts(), std::vector<std::string>{"12.34"});
    EXPECT_EQ(session.scrambles(), std::vector<std::string>{"R U' F2 "});
    // the statistics read the value as recorded, at hundredths
    EXPECT_EQ(session.values()[0], 12.34);
}

TEST(SessionTest, TakesOneDnfAndRefusesTheSecondWithoutChange) {
    Session session;
    session.RecordSolve(10, "a");
    EXPECT_EQ(session.RecordSolve(kDnf, "b"), Session::Outcome::Recorded);
    EXPECT_TRUE(session.dnfUsed());
    const std::string before = Report(session);
    EXPECT_EQ(session.RecordSolve(kDnf, "c"), Session::Outcome::DnfRefused);
    EXPECT_EQ(session.count(), 2u);
    EXPECT_EQ(session.timeTexts(), (std::vector<std::string>{"00:10.00", "DNF"}));
    EXPECT_EQ(session.rawTexts(), (std::vector<std::string>{"10.", "-1"}));
    EXPECT_EQ(Report(session), before);
}

TEST(SessionTest, EndsWhenTheCountReachesTheSize) {
    for (int size : {5, 12}) {
        Session session(size);
        for (int i = 1; i < size; ++i) EXPECT_EQ(session.RecordSolve(i, "x"), Session::Outcome::Recorded);
        EXPECT_FALSE(session.full());
        EXPECT_EQ(session.RecordSolve(1, "x"), Session::Outcome::SessionEnded);
        EXPECT_TRUE(session.full());
    }
}

TEST(SessionTest, RefusedDnfWhenTheSessionWouldFillLeavesItOpen) {
    Session session(5);
    for (double v : {10.0, kDnf, 11.0, 12.0}) session.RecordSolve(v, "x");
    EXPECT_EQ(session.RecordSolve(kDnf, "x"), Session::Outcome::DnfRefused);
    EXPECT_FALSE(session.full());
}

TEST(SessionTest, SizeChangesOnlyWhileEmpty) {
    Session session;
    session.setSize(5);
    EXPECT_EQ(session.size(), 5);
    session.RecordSolve(1, "x");
    session.setSize(12);
    EXPECT_EQ(session.size(), 5);
}

TEST(SessionTest, EditingTheDnfRowFreesTheAllowance) {
    Session session(5);
    for (double v : {10.0, kDnf, 11.0, 12.0, 9.0}) session.RecordSolve(v, "x");
    ASSERT_TRUE(session.ReplaceTime(1, 12.34));
    EXPECT_FALSE(session.dnfUsed());
    EXPECT_EQ(session.timeText(1), "00:12.34");
    EXPECT_EQ(session.rawTexts()[1], "12.34");
    const StatisticsTexts stats = session.statistics();
    EXPECT_EQ(stats.worst, "Worst: 00:12.34");
    EXPECT_EQ(stats.average, "Average: 00:11.00");  // (54.34 - 9 - 12.34) / 3
    EXPECT_NE(Report(session).find("Average: 00:11.00 (full session)\r\n"), std::string::npos);
}

TEST(SessionTest, EditingATimeNeverSetsTheDnfFlag) {
    Session session;
    session.RecordSolve(10, "x");
    session.RecordSolve(kDnf, "x");
    ASSERT_TRUE(session.ReplaceTime(0, 20));
    EXPECT_TRUE(session.dnfUsed());
    EXPECT_FALSE(session.ReplaceTime(2, 20));
    EXPECT_FALSE(session.ReplaceTime(0, kDnf));
}

TEST(SessionTest, ResetEmptiesTheSessionAndKeepsTheSize) {
    Session session(5);
    for (double v : {10.0, kDnf, 11.0, 12.0, 9.0}) session.RecordSolve(v, "x");
    session.Reset();
    EXPECT_EQ(session.count(), 0u);
    EXPECT_FALSE(session.dnfUsed());
    EXPECT_EQ(session.size(), 5);
    EXPECT_EQ(session.statistics().best, "Best:");
    EXPECT_EQ(session.RecordSolve(kDnf, "x"), Session::Outcome::Recorded);
}

TEST(ReportTest, LaysOutHeaderStatisticsAndRows) {
    Session session;
    session.RecordSolve(12.34, "R  U' F2 ");
    EXPECT_EQ(Report(session),
              "##--  Quorvanta Rubik's Timer Details  --##\r\n"
              "\r\n"
              "11:08:23  06/12/2026\r\n"
              "\r\n"
              "Best: 00:12.34\r\n"
              "Worst: 00:12.34\r\n"
              "Average: 00:12.34 (partial session)\r\n"
              "Deviation: 0.00\r\n"
              "\r\n"
              "1)  00:12.34  R  U' F2 \r\n");
}

TEST(ReportTest, DnfRowsAlignAndLateRowsAreWider) {
    Session session;
    for (int i = 0; i < 10; ++i) session.RecordSolve(i == 2 ? kDnf : 10 + i, "S" + std::to_string(i));
    const std::string report = Report(session);
    EXPECT_NE(report.find("\r\n3)  DNF       S2\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\n10)  00:19.00  S9\r\n"), std::string::npos);
    EXPECT_TRUE(report.ends_with("\r\n"));
}

TEST(ReportTest, EmptyReportIsTheHeaderAndTwoLineEnds) {
    EXPECT_EQ(EmptyReportText(), "##--  Quorvanta Rubik's Timer Details  --##\r\n\r\n");
}

}  // namespace
}  // namespace cubetimer
