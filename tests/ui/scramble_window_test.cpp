#include <QDialog>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <fstream>

#include "fake_services.h"

namespace cubetimer {
namespace {

std::string WriteFile(const std::string& name, const std::string& bytes) {
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

void Import(Harness& h, const std::string& path) {
    h.services.openName = path;
    h.click("cmdimport");
}

TEST(ScrambleWindowTest, ImportedLinesComeFirstThenRandomScrambles) {
    Harness h;
    Import(h, WriteFile("three.txt", "R U2\r\nF'\r\nL B\r\n"));
    EXPECT_EQ(h.text("lblscramble"), "R U2 ");
    h.recordSolve(std::chrono::seconds(10));
    EXPECT_EQ(h.window->session().scrambles()[0], "R U2 ");
    EXPECT_EQ(h.text("lblscramble"), "F' ");
    h.click("cmdnewscramble");
    EXPECT_EQ(h.text("lblscramble"), "L B ");
    EXPECT_TRUE(h.services.messages.empty());
    h.click("cmdnewscramble");
    ASSERT_EQ(h.services.messages.size(), 1u);
    EXPECT_EQ(h.services.messages[0].text, "No more scrambles imported! Random scrambles will be generated.");
    EXPECT_EQ(h.services.messages[0].title, "Info");
    EXPECT_EQ(h.services.messages[0].icon, Services::Icon::Warning);
    EXPECT_EQ(h.text("lblscramble").size(), 75);
    EXPECT_TRUE(h.start()->hasFocus());
}

TEST(ScrambleWindowTest, FailedImportsSayWhyAndKeepWorking) {
    struct Case {
        std::string path;
        const char* message;
        bool newScramble;
    };
    const Case cases[] = {
        {::testing::TempDir() + "missing.txt", "File not accessible!", false},
        {::testing::TempDir(), "File not accessible!", false},
        {WriteFile("empty.txt", ""), "File is empty! Random scrambles will be generated.", false},
        {WriteFile("lower.txt", "R U\r\nr\r\n"), "Incorrect file format! Random scrambles will be generated.", true},
    };
    for (const Case& c : cases) {
        Harness h;
        const QString before = h.text("lblscramble");
        Import(h, c.path);
        ASSERT_EQ(h.services.messages.size(), 1u) << c.path;
        EXPECT_EQ(h.services.messages[0].text, c.message);
        EXPECT_EQ(h.services.messages[0].title, "ERROR");
        EXPECT_EQ(h.services.messages[0].icon, Services::Icon::Critical);
        EXPECT_EQ(h.text("lblscramble") != before, c.newScramble) << c.path;
        EXPECT_FALSE(h.window->supply().importing());
        h.recordSolve(std::chrono::seconds(10));
        EXPECT_EQ(h.rows().size(), 1);
    }
}

TEST(ScrambleWindowTest, CancelEndsImportsAndResetTakesOneMoreLine) {
    Harness h;
    const std::string path = WriteFile("four.txt", "R\'\r\nU2\r\nF2\r\nD'\r\n");
    Import(h, path);
    h.services.openName = "";
    h.click("cmdimport");
    EXPECT_EQ(h.text("lblscramble"), "R' ");
    h.click("cmdnewscramble");
    EXPECT_EQ(h.text("lblscramble").size(), 75);

    Import(h, path);
    h.services.answers = {Services::Answer::Yes};
    h.click("cmdreset");
    EXPECT_EQ(h.text("lblscramble"), "U2 ");
    h.click("cmdnewscramble");
    EXPECT_EQ(h.text("lblscramble").size(), 75);
    EXPECT_TRUE(h.services.messages.size() == 1u);  // the reset question only
}

TEST(ScrambleWindowTest, ContestSheetLeavesScrambleCubeAndSessionAlone) {
    Harness h;
    h.recordSolve(std::chrono::seconds(10));
    const QString scramble = h.text("lblscramble");
    const NetCube net = h.window->net();
    const TileCube tiles = h.window->tiles();

    h.click("cmdscrgen");
    auto* window = h.window->findChild<QDialog*>("frmscrambles");
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Scrambles for contest");
    const QString shown = window->findChild<QPlainTextEdit*>("RichTextBox1")->toPlainText();
    EXPECT_EQ(shown.count('\n'), 13);

    auto* copied = window->findChild<QLabel*>("Label1");
    EXPECT_FALSE(copied->isVisible());
    QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(QString::fromStdString(h.services.clipboard).replace("\r\n", "\n"), shown);
    EXPECT_TRUE(h.services.clipboard.ends_with(" \r\n"));
    EXPECT_TRUE(copied->isVisible());

    QTest::mouseClick(window->findChild<QPushButton*>("cmdclose"), Qt::LeftButton);
    Harness::flushDeletes();
    EXPECT_EQ(h.window->findChild<QDialog*>("frmscrambles"), nullptr);
    EXPECT_EQ(h.text("lblscramble"), scramble);
    EXPECT_EQ(h.window->net(), net);
    EXPECT_EQ(h.window->tiles(), tiles);
    EXPECT_EQ(h.window->session().count(), 1u);
    EXPECT_TRUE(h.start()->hasFocus());
}

}  // namespace
}  // namespace cubetimer
