#include "session/session.h"

#include <gtest/gtest.h>

#include "session/report.h"
#include "session/time_text.h"

namespace cubetimer {
namespace {

std::string Report(const Session& session) { return ReportText(session, "11:08:23", "06/12/2026"); }

TEST(SessionTest, KeepsValuesAtHundredthsAndEndsAtItsSize) {
    Session session(5);
    EXPECT_EQ(session.RecordSolve(12.344, "R  U' "), Session::Outcome::Recorded);
    EXPECT_EQ(session.values()[0], 12.34);
    session.setSize(12);  // too late: a solve is recorded
    for (double v : {kDnf, 11.0, 12.0}) session.RecordSolve(v, "x");
    // a refused DNF at the moment the session would fill leaves it open
    EXPECT_EQ(session.RecordSolve(kDnf, "x"), Session::Outcome::DnfRefused);
    EXPECT_EQ(session.count(), 4u);
    EXPECT_EQ(session.RecordSolve(9, "x"), Session::Outcome::SessionEnded);
}

TEST(SessionTest, EditingFreesTheDnfAllowanceOnlyForTheDnfRow) {
    Session session(5);
    for (double v : {10.0, kDnf, 11.0, 12.0, 9.0}) session.RecordSolve(v, "x");
    ASSERT_TRUE(session.ReplaceTime(0, 20));
    EXPECT_TRUE(session.dnfUsed());
    ASSERT_TRUE(session.ReplaceTime(1, 12.34));
    EXPECT_FALSE(session.dnfUsed());
    EXPECT_EQ(session.rawTexts()[1], "12.34");
    EXPECT_EQ(session.statistics().worst, "Worst: 00:20.00");
    EXPECT_FALSE(session.ReplaceTime(5, 20));
    EXPECT_FALSE(session.ReplaceTime(0, kDnf));
}

TEST(ReportTest, LaysOutHeaderStatisticsAndRows) {
    Session session;
    session.RecordSolve(12.34, "R  U' F2 ");
    EXPECT_EQ(Report(session),
              "##--  Quorvanta Rubik's Timer Details  --##\r\n\r\n"
              "11:08:23  06/12/2026\r\n\r\n"
              "Best: 00:12.34\r\nWorst: 00:12.34\r\nAverage: 00:12.34 (partial session)\r\nDeviation: 0.00\r\n\r\n"
              "1)  00:12.34  R  U' F2 \r\n");
    EXPECT_EQ(EmptyReportText(), "##--  Quorvanta Rubik's Timer Details  --##\r\n\r\n");
}

TEST(ReportTest, DnfRowsAlignLateRowsAreWiderAndFullSessionsSaySo) {
    Session session;
    // append, not "S" + ...: GCC 12 at -O3 gives a false -Wrestrict on that.
    for (int i = 0; i < 12; ++i) session.RecordSolve(i == 2 ? kDnf : 10 + i, std::string("S").append(std::to_string(i)));
    const std::string report = Report(session);
    EXPECT_NE(report.find("\r\n3)  DNF       S2\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\n10)  00:19.00  S9\r\n"), std::string::npos);
    EXPECT_NE(report.find(" (full session)\r\n"), std::string::npos);
    EXPECT_TRUE(report.ends_with("S11\r\n"));
}

}  // namespace
}  // namespace cubetimer
