#include "scramble/generator.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "scramble/random_source.h"
#include "scramble_rules.h"

namespace cubetimer {
namespace {

// Hands out the given draws in order, so the test sees which draw meant what.
std::function<double()> Scripted(std::vector<double> draws) {
    auto state = std::make_shared<std::pair<std::vector<double>, std::size_t>>(std::move(draws), 0);
    return [state] {
        auto& [values, next] = *state;
        // after the script, a spread of values so the scramble can finish
        return next < values.size() ? values[next++] : static_cast<double>(next++ % 7) / 7.0;
    };
}

TEST(GeneratorTest, EveryScrambleHasTheFormatAndObeysTheRules) {
    const auto uniform = UniformSource(42);
    std::set<std::string> pairsOnOneAxis;
    for (int n = 0; n < 2000; ++n) {
        const std::string text = genscramble(uniform);
        ASSERT_EQ(text.size(), 75u);
        for (std::size_t i = 0; i < 75; i += 3) {
            ASSERT_NE(std::string("UDFBLR").find(text[i]), std::string::npos) << text;
            const std::string suffix = text.substr(i + 1, 2);
            ASSERT_TRUE(suffix == "  " || suffix == "' " || suffix == "2 ") << text;
        }
        ASSERT_TRUE(testing_rules::ObeysGeneratorRules(text)) << text;
        for (std::size_t i = 3; i < 75; i += 3)
            if (testing_rules::Axis(text[i]) == testing_rules::Axis(text[i - 3]))
                pairsOnOneAxis.insert(std::string{text[i - 3], text[i]});
    }
    // neighbouring pairs on one axis do occur, in both orders
    EXPECT_EQ(pairsOnOneAxis.size(), 6u);
}

TEST(GeneratorTest, DrawsFaceThenSuffixAndRejectsWithoutSuffixDraw) {
    // draw 6: 0.0 -> U, 0.2 -> D, 0.4 -> F, 0.99 -> R; draw 3: 0.0 "  ", 0.4 "' ", 0.9 "2 "
    std::vector<double> draws = {0.0, 0.4,   // U'
                                 0.0,        // U again: rejected, no suffix drawn
                                 0.2, 0.9,   // D2: same axis, counter 1
                                 0.0,        // U: counter 2, rejected
                                 0.4, 0.0};  // F
    const std::string text = genscramble(Scripted(draws));
    EXPECT_EQ(text.substr(0, 9), "U' D2 F  ");
}

TEST(GeneratorTest, CopiesOfTheProgramsSourceShareOneSequence) {
    // The supply and the contest sheet hold copies; they must not repeat each other.
    const auto supply = UniformSource(9);
    const auto sheet = supply;
    EXPECT_NE(genscramble(supply), genscramble(sheet));
    for (int i = 0; i < 1000; ++i) {
        const double r = supply();
        ASSERT_TRUE(r >= 0.0 && r < 1.0) << r;
    }
}

}  // namespace
}  // namespace cubetimer
