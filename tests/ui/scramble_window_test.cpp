#include <QDialog>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <fstream>

#include "fake_services.h"

namespace cubetimer {
namespace {

void Import(Harness& h, const std::string& name, const std::string& bytes) {
    h.services.openName = name.empty() ? "" : ::testing::TempDir() + name;
    if (!name.empty() && bytes != "missing") std::ofstream(h.services.openName, std::ios::binary) << bytes;
    h.click("cmdimport");
}

TEST(ScrambleWindowTest, ImportedLinesComeFirstThenRandomScrambles) {
    Harness h;
    // Lines end in CR LF, in a lone CR as some editors write them, or in LF.
    const std::string four = "R U2\r\nF'\rD'\nL B\r\n";
    Import(h, "four.txt", four);
    EXPECT_EQ(h.text("lblscramble"), "R U2 ");
    h.recordSolve(std::chrono::seconds(10));
    EXPECT_EQ(h.text("lblscramble"), "F' ");
    h.click("cmdnewscramble");
    EXPECT_EQ(h.text("lblscramble"), "D' ");
    h.services.answers = {Services::Answer::Yes};
    h.click("cmdreset");  // takes one more line, then the supply is random again
    EXPECT_EQ(h.text("lblscramble"), "L B ");
    Import(h, "four.txt", four);
    Import(h, "", "");  // cancelled: the shown scramble stays, the next is random
    EXPECT_EQ(h.text("lblscramble"), "R U2 ");
    h.click("cmdnewscramble");
    EXPECT_EQ(h.text("lblscramble").size(), 75);
    EXPECT_EQ(h.services.messages.size(), 1u);  // only the reset question
}

TEST(ScrambleWindowTest, EachFailedImportSaysWhy) {
    using Icon = Services::Icon;
    const std::tuple<const char*, std::string, const char*, Icon, bool> cases[] = {
        {"missing.txt", "missing", "ERROR: File not accessible!", Icon::Critical, false},
        {"empty.txt", "", "ERROR: File is empty! Random scrambles will be generated.", Icon::Critical, false},
        {"lower.txt", "R U\r\nr\r\n", "ERROR: Incorrect file format! Random scrambles will be generated.",
         Icon::Critical, true},
        {"huge.txt", std::string(kMaxScrambleFileBytes + 1, 'R'),
         "ERROR: File is too large! Random scrambles will be generated.", Icon::Critical, true},
        {"short.txt", "R\r\n", "Info: No more scrambles imported! Random scrambles will be generated.",
         Icon::Warning, true},
    };
    for (const auto& [name, bytes, message, icon, newScramble] : cases) {
        Harness h;
        const QString before = h.text("lblscramble");
        Import(h, name, bytes);
        EXPECT_EQ(h.services.messages, std::vector<std::string>{message});
        EXPECT_EQ(h.services.icons, std::vector<Icon>{icon}) << name;
        EXPECT_EQ(h.text("lblscramble") != before, newScramble) << name;
        EXPECT_FALSE(h.window->supply().importing());
        EXPECT_TRUE(h.start()->hasFocus());
    }
}

TEST(ScrambleWindowTest, ContestSheetLeavesScrambleCubeAndSessionAlone) {
    Harness h;
    const QString scramble = h.text("lblscramble");
    const NetCube net = h.window->net();
    h.click("cmdscrgen");
    auto* window = h.window->findChild<QDialog*>("frmscrambles");
    ASSERT_TRUE(window && window->isVisible());
    QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(QString::fromStdString(h.services.clipboard).replace("\r\n", "\n"),
              window->findChild<QPlainTextEdit*>("RichTextBox1")->toPlainText());
    // All 13 lines in view at once, and the label's text whole in its 13 px.
    EXPECT_EQ(window->findChild<QPlainTextEdit*>("RichTextBox1")->verticalScrollBar()->maximum(), 0);
    auto* copied = window->findChild<QLabel*>("Label1");
    EXPECT_TRUE(copied->isVisible());
    EXPECT_LE(copied->sizeHint().height(), copied->height());
    QTest::mouseClick(window->findChild<QPushButton*>("cmdclose"), Qt::LeftButton);
    Harness::flushDeletes();
    EXPECT_EQ(h.window->findChild<QDialog*>("frmscrambles"), nullptr);
    EXPECT_EQ(h.text("lblscramble"), scramble);
    EXPECT_EQ(h.window->net(), net);
    EXPECT_TRUE(h.start()->hasFocus());
}

}  // namespace
}  // namespace cubetimer
