#include "scramble/contest_sheet.h"

#include <gtest/gtest.h>

#include "scramble/generator.h"
#include "scramble/random_source.h"
#include "scramble_rules.h"

namespace cubetimer {
namespace {

TEST(ContestSheetTest, ThirteenSingleBlankLinesEndingInCrLf) {
    const auto uniform = UniformSource(7);
    for (int sheetNumber = 0; sheetNumber < 50; ++sheetNumber) {
        const std::string sheet = ContestSheet(uniform);
        ASSERT_TRUE(sheet.ends_with("\r\n"));
        std::size_t start = 0;
        int lines = 0;
        for (std::size_t end; (end = sheet.find("\r\n", start)) != std::string::npos; start = end + 2) {
            const std::string line = sheet.substr(start, end - start);
            ++lines;
            EXPECT_EQ(line.find("  "), std::string::npos) << line;
            EXPECT_TRUE(line.ends_with(" ")) << line;
            EXPECT_EQ(testing_rules::Faces(line).size(), 25u) << line;
            EXPECT_TRUE(testing_rules::ObeysGeneratorRules(line)) << line;
        }
        EXPECT_EQ(lines, 13);
        EXPECT_EQ(start, sheet.size());
    }
}

TEST(ContestSheetTest, RewritesTheGeneratedScramblesInOrder) {
    // The same draws give the same 13 scrambles: the sheet is exactly those,
    // with every two-blank suffix made one blank.
    const std::string sheet = ContestSheet(UniformSource(3));
    const auto again = UniformSource(3);
    std::string expected;
    for (int i = 0; i < 13; ++i) {
        std::string text = genscramble(again);
        for (std::size_t p; (p = text.find("  ")) != std::string::npos;) text.erase(p, 1);
        expected += text + "\r\n";
    }
    EXPECT_EQ(sheet, expected);
}

}  // namespace
}  // namespace cubetimer
