#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/key_stamps.h"

namespace cubetimer {
namespace {

using namespace std::chrono_literals;

constexpr int kSpace = 65, kReturn = 36;
constexpr bool kPress = true, kRelease = false;

// 'A' a key event arrived from the server with stamp `stamp`; 'C' its copy
// came without one and must be given `stamp` (0: none). `at` is the clock in ms.
struct Step {
    char kind;
    int key;
    bool press;
    std::uint32_t stamp;
    int at;
};

struct Run {
    const char* what;
    std::vector<Step> steps;
};

class KeyStampRuns : public testing::TestWithParam<Run> {};

TEST_P(KeyStampRuns, CopiesTakeTheStampsOfTheirOriginals) {
    KeyStamps stamps;
    const KeyStamps::Clock::time_point start{5'000'000ms};
    int n = 0;
    for (const Step& s : GetParam().steps) {
        const auto at = start + std::chrono::milliseconds(s.at);
        if (s.kind == 'A') stamps.record(s.key, s.press, s.stamp, at);
        if (s.kind == 'C') {
            EXPECT_EQ(stamps.take(s.key, s.press, at), s.stamp) << "step " << n;
        }
        ++n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    HeldByABridge, KeyStampRuns,
    testing::Values(
        Run{"a tap held back",
            {{'A', kSpace, kPress, 7000, 0},
             {'A', kSpace, kRelease, 7080, 80},
             {'C', kSpace, kPress, 7000, 100},
             {'C', kSpace, kRelease, 7080, 180}}},
        Run{"the release arrives before the press is handed on",
            {{'A', kSpace, kPress, 7000, 0},
             {'A', kSpace, kRelease, 7030, 30},
             {'C', kSpace, kPress, 7000, 95},
             {'C', kSpace, kRelease, 7030, 130}}},
        Run{"a stamp that waited too long is not used",
            {{'A', kSpace, kPress, 7000, 0}, {'C', kSpace, kPress, 0, 1001}}},
        Run{"a key the screen reader kept leaves no stamp for the next press",
            {{'A', kReturn, kPress, 7000, 0},
             {'A', kReturn, kPress, 9000, 2000},
             {'C', kReturn, kPress, 9000, 2090}}},
        Run{"nothing recorded",
            {{'C', kSpace, kPress, 0, 0}, {'A', kSpace, kPress, 7000, 10}, {'C', kSpace, kRelease, 0, 20}}},
        Run{"each stamp is used once",
            {{'A', kSpace, kPress, 7000, 0}, {'C', kSpace, kPress, 7000, 90}, {'C', kSpace, kPress, 0, 95}}},
        Run{"two keys interleaved",
            {{'A', kReturn, kPress, 7000, 0},
             {'A', kSpace, kPress, 7010, 10},
             {'A', kReturn, kRelease, 7040, 40},
             {'C', kReturn, kPress, 7000, 100},
             {'A', kSpace, kRelease, 7120, 120},
             {'C', kSpace, kPress, 7010, 110},
             {'C', kReturn, kRelease, 7040, 140},
             {'C', kSpace, kRelease, 7120, 220}}},
        // Repeats of a held key come as release and press pairs with one
        // stamp, faster than the bridge hands them on: each copy must get its
        // own original's stamp, or a repeat would look like a new press.
        Run{"a held key's repeats in order",
            {{'A', kSpace, kPress, 7000, 0},
             {'A', kSpace, kRelease, 7500, 500},
             {'A', kSpace, kPress, 7500, 500},
             {'A', kSpace, kRelease, 7533, 533},
             {'A', kSpace, kPress, 7533, 533},
             {'C', kSpace, kPress, 7000, 560},
             {'A', kSpace, kRelease, 7566, 566},
             {'A', kSpace, kPress, 7566, 566},
             {'C', kSpace, kRelease, 7500, 590},
             {'C', kSpace, kPress, 7500, 590},
             {'C', kSpace, kRelease, 7533, 620},
             {'C', kSpace, kPress, 7533, 620},
             {'C', kSpace, kRelease, 7566, 650},
             {'C', kSpace, kPress, 7566, 650}}}),
    [](const testing::TestParamInfo<Run>& info) {
        std::string name;
        for (const char* c = info.param.what; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

}  // namespace
}  // namespace cubetimer
