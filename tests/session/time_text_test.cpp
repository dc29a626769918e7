#include "session/time_text.h"

#include <gtest/gtest.h>

namespace cubetimer {
namespace {

struct FormatCase {
    double seconds;
    const char* text;
};

class FormatTimeTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTimeTest, GivesTimeText) {
    EXPECT_EQ(FormatTime(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatTimeTest,
                         testing::Values(FormatCase{0, "00:00.00"}, FormatCase{5.3, "00:05.30"},
                                         FormatCase{59.99, "00:59.99"}, FormatCase{60, "01:00.00"},
                                         FormatCase{60.01, "01:00.01"}, FormatCase{83.456, "01:23.46"},
                                         FormatCase{83.454, "01:23.45"}, FormatCase{3599.99, "59:59.99"},
                                         FormatCase{6000, "100:00.00"},
                                         // ties round away from zero although the binary value lies below
                                         FormatCase{1.005, "00:01.01"}, FormatCase{11.335, "00:11.34"},
                                         FormatCase{12.3449, "00:12.34"},
                                         FormatCase{0.004999, "00:00.00"},
                                         // a rounded 60.00 carries into the minutes
                                         FormatCase{59.996, "01:00.00"}, FormatCase{119.999, "02:00.00"}));

TEST(TimeTextTest, UsesTheLocaleDecimalMarkBothWays) {
    EXPECT_EQ(FormatTime(83.456, ','), "01:23,46");
    EXPECT_EQ(ZeroDisplay(','), "00:00,00");
    EXPECT_EQ(RawTimeText(12.3, ','), "12,3");
    EXPECT_EQ(ParseTime("01:23,45", ','), 83.45);
    EXPECT_FALSE(ParseTime("01:23.45", ',').has_value());
}

TEST(TimeTextTest, ParsesTimeTexts) {
    EXPECT_EQ(ParseTime("01:23.45"), 83.45);
    EXPECT_EQ(ParseTime("59:59.99"), 3599.99);
    EXPECT_EQ(ParseTime("100:00.00"), 6000.0);
}

TEST(TimeTextTest, RefusesTextsItCannotRead) {
    for (const char* text : {"", "DNF", "ab:cd.ef", "1:23.45", "01-23.45", "01:23.4", "01:60.00", "01:2a.45",
                             " 01:23.45", "01:23.45 "}) {
        EXPECT_FALSE(ParseTime(text).has_value()) << text;
    }
}

TEST(TimeTextTest, FormatThenParseGivesTheValueAtHundredths) {
    for (int hundredths = 0; hundredths < 360000; hundredths += 7) {
        const double value = hundredths / 100.0 + 0.003;
        const auto back = ParseTime(FormatTime(value));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(ToHundredths(*back), hundredths);
    }
}

TEST(TimeTextTest, RawTextKeepsTheMarkAndDropsTrailingZeros) {
    const std::pair<double, const char*> cases[] = {
        {83.456, "83.46"}, {7.5, "7.5"}, {0.25, "0.25"}, {12, "12."}, {0.5, "0.5"},
        {0, "0."},         {61, "61."},  {12.34, "12.34"}, {kDnf, "-1"}, {1.005, "1.01"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(RawTimeText(value), text) << value;
}

TEST(TimeTextTest, DeviationTextHasTwoDecimals) {
    EXPECT_EQ(FormatSeconds(1.5811388), "1.58");
    EXPECT_EQ(FormatSeconds(12.345), "12.35");
}

}  // namespace
}  // namespace cubetimer
