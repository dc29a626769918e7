#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "fake_services.h"
#include "ui/details_window.h"

namespace cubetimer {
namespace {

using namespace std::chrono_literals;

// Everything a refused or cancelled action must leave as it was.
std::string Snapshot(const Harness& h) {
    return (h.rows().join("|") + h.text("lblbest") + h.text("lblworst") + h.text("lblaverage") + h.text("lblstdev"))
               .toStdString() +
           h.window->details()->report();
}

TEST(CorrectionsTest, PenaltyDnfAndDiscardSettleTheWaitingSolveAndASecondDnfIsRefused) {
    Harness h;
    h.timeSolve(10s);
    const std::string empty = Snapshot(h);
    h.click("cmddiscard");
    h.expectReady();
    EXPECT_EQ(Snapshot(h), empty);
    h.expectEnabled({"opt5", "opt12"}, true);
    for (const char* button : {"cmdpenalty", "cmddnf"}) {
        h.timeSolve(12340ms);
        h.click(button);
        h.expectReady();
    }
    h.expectEnabled({"opt5", "opt12"}, false);
    EXPECT_EQ(h.rows(), (QStringList{"00:14.34", "DNF"}));

    h.timeSolve(11s);
    const QString scramble = h.text("lblscramble");
    const std::string before = Snapshot(h);
    h.click("cmddnf");
    EXPECT_EQ(h.services.messages,
              std::vector<std::string>{"ERROR: It is not possible to use DNF more than once in only one session!"});
    EXPECT_EQ(Snapshot(h), before);
    EXPECT_EQ(h.start()->text() + h.text("lbltime") + h.text("lblscramble"), "Save00:11.00" + scramble);
    h.press();  // it can still be saved
    EXPECT_EQ(h.rows(), (QStringList{"00:14.34", "DNF", "00:11.00"}));
}

TEST(CorrectionsTest, ResetAsksThenEmptiesTheSession) {
    Harness h;
    h.click("opt5");
    h.timeSolve(10s);
    h.click("cmddnf");
    for (int i = 0; i < 4; ++i) h.recordSolve(10s);
    // The results were not asked for: nothing waits for a report.
    EXPECT_FALSE(h.window->details()->isVisible());
    EXPECT_EQ(h.text("lbltime"), "00:00.00");
    h.services.messages.clear();
    const std::string before = Snapshot(h);
    h.click("cmdreset");  // answered No
    EXPECT_EQ(h.services.messages, std::vector<std::string>{"Warning: Are you really sure to reset whole session?"});
    EXPECT_EQ(Snapshot(h), before);

    h.services.answers = {Services::Answer::Yes};
    h.click("cmdreset");
    EXPECT_EQ(Snapshot(h), "Best:Worst:Average:Deviation:##--  Quorvanta Rubik's Timer Details  --##\r\n\r\n");
    EXPECT_TRUE(h.find<QRadioButton>("opt5")->isChecked());
    h.expectReady();
    h.expectEnabled({"opt5", "opt12"}, true);
    h.timeSolve(10s);
    h.click("cmddnf");  // a new session takes a DNF again
    EXPECT_EQ(h.rows(), QStringList{"DNF"});
}

// Opens the edit dialog on a row, checks it opens at zero, picks a time and
// presses the button; false when no dialog opened.
bool Edit(Harness& h, int row, int minutes, int seconds, int cents, const char* button = "cmdsave") {
    Harness::flushDeletes();
    h.window->lsttime_DblClick(row);
    auto* dialog = h.window->findChild<QDialog*>("frmedit");
    if (!dialog) return false;
    const std::pair<const char*, int> lists[] = {{"cmbminutes", minutes}, {"cmbseconds", seconds}, {"cmbcent", cents}};
    for (const auto& [name, index] : lists) {
        auto* list = dialog->findChild<QComboBox*>(name);
        EXPECT_EQ(list->currentText(), "00");
        list->setCurrentIndex(index);
    }
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    return true;
}

TEST(EditTimeTest, ChangeRewritesTheRowStatisticsAndReportAndANullTimeIsRefused) {
    Harness h;
    EXPECT_FALSE(Edit(h, 0, 0, 1, 0));  // no row, no dialog
    for (int i = 0; i < 5; ++i) {
        h.timeSolve(std::chrono::milliseconds(10000 + 1000 * i));
        h.click(i == 1 ? "cmddnf" : "cmdstart");
    }
    Edit(h, 1, 0, 12, 34);
    EXPECT_EQ(h.rows()[1], "00:12.34");
    EXPECT_EQ(h.text("lblworst"), "Worst: 00:14.00");
    EXPECT_NE(h.window->details()->report().find("2)  00:12.34  " + h.window->session().scrambles()[1]),
              std::string::npos);
    Edit(h, 0, 59, 59, 99);
    EXPECT_EQ(h.rows()[0], "59:59.99");

    const std::string before = Snapshot(h);
    Edit(h, 2, 0, 0, 0);
    EXPECT_EQ(h.services.messages, std::vector<std::string>{"ERROR: Can't add a null time!"});
    Edit(h, 2, 0, 30, 0, "cmdcancel");
    EXPECT_EQ(Snapshot(h), before);
    EXPECT_TRUE(h.start()->hasFocus());
    Edit(h, 2, 0, 0, 1);
    EXPECT_EQ(h.rows()[2], "00:00.01");
}

}  // namespace
}  // namespace cubetimer
