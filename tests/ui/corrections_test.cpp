#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "fake_services.h"
#include "ui/details_window.h"

namespace cubetimer {
namespace {

using namespace std::chrono_literals;

struct Snapshot {
    QStringList rows;
    QString best, worst, average, deviation;
    std::string report;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const Harness& h) {
    return {h.rows(), h.text("lblbest"), h.text("lblworst"), h.text("lblaverage"), h.text("lblstdev"),
            h.window->details()->report()};
}

void ExpectReady(const Harness& h) {
    EXPECT_EQ(h.start()->text(), "Start");
    EXPECT_EQ(h.text("lbltime"), "00:00.00");
    for (const char* name : {"cmdpenalty", "cmddnf", "cmddiscard"}) EXPECT_FALSE(h.find(name)->isEnabled()) << name;
    for (const char* name : {"frmsession", "frmscramble", "lsttime", "Slider1"}) EXPECT_TRUE(h.find(name)->isEnabled()) << name;
    EXPECT_TRUE(h.start()->hasFocus());
}

TEST(CorrectionsTest, PenaltyAddsTwoSecondsAndShowsZero) {
    Harness h;
    h.timeSolve(12340ms);
    h.click("cmdpenalty");
    ExpectReady(h);
    EXPECT_EQ(h.rows(), QStringList{"00:14.34"});
    EXPECT_EQ(h.window->session().rawTexts(), std::vector<std::string>{"14.34"});
    EXPECT_FALSE(h.find("opt5")->isEnabled());
}

TEST(CorrectionsTest, DnfIsRecordedOnceAndTheSecondKeepsWaiting) {
    Harness h;
    h.timeSolve(10s);
    h.click("cmddnf");
    ExpectReady(h);
    EXPECT_EQ(h.rows(), QStringList{"DNF"});
    EXPECT_EQ(h.window->session().rawTexts(), std::vector<std::string>{"-1"});
    EXPECT_EQ(h.text("lblworst"), "Worst: DNF");

    h.timeSolve(11s);
    const QString scramble = h.text("lblscramble");
    const Snapshot before = Take(h);
    h.click("cmddnf");
    ASSERT_EQ(h.services.messages.size(), 1u);
    EXPECT_EQ(h.services.messages[0].text, "It is not possible to use DNF more than once in only one session!");
    EXPECT_EQ(h.services.messages[0].title, "ERROR");
    EXPECT_EQ(Take(h), before);
    EXPECT_EQ(h.start()->text(), "Save");
    EXPECT_EQ(h.text("lbltime"), "00:11.00");
    EXPECT_EQ(h.text("lblscramble"), scramble);
    for (const char* name : {"cmdpenalty", "cmddnf", "cmddiscard"}) EXPECT_TRUE(h.find(name)->isEnabled()) << name;
    // the solve can still be saved
    h.press();
    EXPECT_EQ(h.rows(), (QStringList{"DNF", "00:11.00"}));
}

TEST(CorrectionsTest, DiscardRecordsNothingAndKeepsTheSizeChoice) {
    Harness h;
    const QString scramble = h.text("lblscramble");
    h.timeSolve(10s);
    const Snapshot before = Take(h);
    h.click("cmddiscard");
    ExpectReady(h);
    EXPECT_EQ(Take(h), before);
    EXPECT_TRUE(h.rows().isEmpty());
    EXPECT_TRUE(h.find("opt5")->isEnabled());
    EXPECT_NE(h.text("lblscramble"), scramble);
}

TEST(CorrectionsTest, PenaltyThatFillsTheSessionAsksBeforeTheDisplayResets) {
    Harness h;
    QTest::mouseClick(h.find("opt5"), Qt::LeftButton);
    for (int i = 0; i < 4; ++i) h.recordSolve(10s);
    h.timeSolve(12s);
    QString displayAtQuestion;
    h.services.onMessage = [&](const FakeServices::Message&) { displayAtQuestion = h.text("lbltime"); };
    h.click("cmdpenalty");
    EXPECT_EQ(displayAtQuestion, "00:12.00");
    EXPECT_EQ(h.text("lbltime"), "00:00.00");
    EXPECT_FALSE(h.start()->isEnabled());
    EXPECT_EQ(h.rows().last(), "00:14.00");
}

TEST(CorrectionsTest, ResetAsksAndEmptiesTheSession) {
    Harness h;
    QTest::mouseClick(h.find("opt5"), Qt::LeftButton);
    h.timeSolve(10s);
    h.click("cmddnf");
    for (int i = 0; i < 4; ++i) h.recordSolve(10s);
    ASSERT_FALSE(h.start()->isEnabled());
    h.services.messages.clear();

    const Snapshot before = Take(h);
    h.click("cmdreset");  // answered No
    EXPECT_EQ(h.services.messages.at(0).text, "Are you really sure to reset whole session?");
    EXPECT_EQ(h.services.messages.at(0).title, "Warning");
    EXPECT_EQ(Take(h), before);

    h.services.answers = {Services::Answer::Yes};
    h.click("cmdreset");
    EXPECT_TRUE(h.rows().isEmpty());
    EXPECT_EQ(h.text("lblbest"), "Best:");
    EXPECT_EQ(h.text("lblworst"), "Worst:");
    EXPECT_EQ(h.text("lblaverage"), "Average:");
    EXPECT_EQ(h.text("lblstdev"), "Deviation:");
    EXPECT_EQ(h.window->details()->report(), "##--  Quorvanta Rubik's Timer Details  --##\r\n\r\n");
    EXPECT_EQ(h.rows("lstindex").size(), 12);
    EXPECT_TRUE(h.find<QRadioButton>("opt5")->isChecked());
    for (const char* name : {"cmdstart", "opt5", "opt12", "frmscramble"}) EXPECT_TRUE(h.find(name)->isEnabled()) << name;
    EXPECT_TRUE(h.start()->hasFocus());
    // a new session takes a DNF again, and solve 1 again
    h.timeSolve(10s);
    h.click("cmddnf");
    EXPECT_EQ(h.rows(), QStringList{"DNF"});
}

QDialog* OpenEdit(Harness& h, int row) {
    Harness::flushDeletes();
    h.window->lsttime_DblClick(row);
    return h.window->findChild<QDialog*>("frmedit");
}

void Choose(QDialog* dialog, int minutes, int seconds, int cents) {
    dialog->findChild<QComboBox*>("cmbminutes")->setCurrentIndex(minutes);
    dialog->findChild<QComboBox*>("cmbseconds")->setCurrentIndex(seconds);
    dialog->findChild<QComboBox*>("cmbcent")->setCurrentIndex(cents);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdsave"), Qt::LeftButton);
}

TEST(EditTimeTest, OpensAtZeroWithTheListsAndOnlyOnARow) {
    Harness h;
    EXPECT_EQ(OpenEdit(h, -1), nullptr);
    EXPECT_EQ(OpenEdit(h, 0), nullptr);
    h.recordSolve(10s);
    QDialog* dialog = OpenEdit(h, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Edit Time");
    const std::pair<const char*, int> lists[] = {{"cmbminutes", 60}, {"cmbseconds", 60}, {"cmbcent", 100}};
    for (const auto& [name, count] : lists) {
        auto* list = dialog->findChild<QComboBox*>(name);
        EXPECT_EQ(list->count(), count);
        EXPECT_EQ(list->currentText(), "00");
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->itemText(count - 1), QString::number(count - 1));
    }
}

TEST(EditTimeTest, ChangeRewritesTheRowStatisticsAndReport) {
    Harness h;
    QTest::mouseClick(h.find("opt5"), Qt::LeftButton);
    for (int i = 0; i < 5; ++i) {
        h.timeSolve(std::chrono::milliseconds(10000 + 1000 * i));
        if (i == 1) h.click("cmddnf");
        else h.press();
    }
    const std::string scrambles = h.window->session().scrambles()[1];
    Choose(OpenEdit(h, 1), 0, 12, 34);
    EXPECT_EQ(h.rows()[1], "00:12.34");
    EXPECT_FALSE(h.window->session().dnfUsed());
    EXPECT_EQ(h.text("lblworst"), "Worst: 00:14.00");
    const std::string report = h.window->details()->report();
    EXPECT_NE(report.find("(full session)"), std::string::npos);
    EXPECT_NE(report.find("2)  00:12.34  " + scrambles), std::string::npos);
    Harness::flushDeletes();
    EXPECT_EQ(h.window->findChild<QDialog*>("frmedit"), nullptr);
}

TEST(EditTimeTest, NullTimeIsRefusedAndCancelChangesNothing) {
    Harness h;
    h.recordSolve(10s);
    const Snapshot before = Take(h);
    Choose(OpenEdit(h, 0), 0, 0, 0);
    ASSERT_EQ(h.services.messages.size(), 1u);
    EXPECT_EQ(h.services.messages[0].text, "Can't add a null time!");
    EXPECT_EQ(Take(h), before);

    QDialog* dialog = OpenEdit(h, 0);
    dialog->findChild<QComboBox*>("cmbseconds")->setCurrentIndex(30);
    QTest::mouseClick(dialog->findChild<QPushButton*>("cmdcancel"), Qt::LeftButton);
    EXPECT_EQ(Take(h), before);
    EXPECT_TRUE(h.start()->hasFocus());

    Choose(OpenEdit(h, 0), 0, 0, 1);
    EXPECT_EQ(h.rows()[0], "00:00.01");
    Choose(OpenEdit(h, 0), 59, 59, 99);
    EXPECT_EQ(h.rows()[0], "59:59.99");
}

}  // namespace
}  // namespace cubetimer
