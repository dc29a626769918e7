#include "scramble/contest_sheet.h"

#include <gtest/gtest.h>

#include <random>

#include "scramble/generator.h"
#include "scramble_rules.h"

namespace cubetimer {
namespace {

TEST(ContestSheetTest, ThirteenSingleBlankLinesEndingInCrLf) {
    std::mt19937_64 engine(7);
    const auto uniform = [&engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); };
    for (int sheetNumber = 0; sheetNumber < 50; ++sheetNumber) {
        const std::string sheet = ContestSheet(uniform);
        ASSERT_TRUE(sheet.ends_with("\r\n"));
        std::size_t start = 0;
        int lines = 0;
        for (std::size_t end; (end = sheet.find("\r\n", start)) != std::string::npos; start = end + 2) {
            const std::string line = sheet.substr(start, end - start);
            ++lines;
            EXPECT_GE(line.size(), 50u);
            EXPECT_LE(line.size(), 75u);
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
    std::mt19937_64 a(3), b(3);
    const std::string sheet =
        ContestSheet([&a] { return std::uniform_real_distribution<double>(0.0, 1.0)(a); });
    std::string expected;
    for (int i = 0; i < 13; ++i) {
        std::string text = genscramble([&b] { return std::uniform_real_distribution<double>(0.0, 1.0)(b); });
        for (std::size_t p; (p = text.find("  ")) != std::string::npos;) text.erase(p, 1);
        expected += text + "\r\n";
    }
    EXPECT_EQ(sheet, expected);
}

}  // namespace
}  // namespace cubetimer
