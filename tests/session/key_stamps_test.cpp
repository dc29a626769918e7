#include <gtest/gtest.h>

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

TEST(KeyStampsTest, CopiesHeldByABridgeTakeTheStampsOfTheirOriginals) {
    const struct {
        const char* what;
        std::vector<Step> steps;
    } runs[] = {
        {"stamps that waited too long, as of a key the screen reader kept, are dropped",
         {{'A', kReturn, kPress, 7000, 0}, {'A', kReturn, kPress, 9000, 2000}, {'C', kReturn, kPress, 9000, 2090},
          {'A', kSpace, kPress, 9500, 2100}, {'C', kSpace, kPress, 0, 3101}}},
        {"nothing recorded for this key and edge",
         {{'C', kSpace, kPress, 0, 0}, {'A', kSpace, kPress, 7000, 10}, {'C', kSpace, kRelease, 0, 20},
          {'C', kReturn, kPress, 0, 30}}},
        // Repeats of a held key come as release and press pairs with one
        // stamp, faster than the bridge hands them on: each copy must get its
        // own original's stamp, once, or a repeat would look like a new press.
        {"a held key's repeats in order",
         {{'A', kSpace, kPress, 7000, 0},
          {'A', kSpace, kRelease, 7500, 500}, {'A', kSpace, kPress, 7500, 500},
          {'C', kSpace, kPress, 7000, 560},
          {'A', kSpace, kRelease, 7566, 566}, {'A', kSpace, kPress, 7566, 566},
          {'C', kSpace, kRelease, 7500, 590}, {'C', kSpace, kPress, 7500, 590},
          {'C', kSpace, kRelease, 7566, 620}, {'C', kSpace, kPress, 7566, 620},
          {'C', kSpace, kPress, 0, 630}}},
    };
    for (const auto& run : runs) {
        SCOPED_TRACE(run.what);
        KeyStamps stamps;
        const KeyStamps::Clock::time_point start{5'000'000ms};
        for (const Step& s : run.steps) {
            const auto at = start + std::chrono::milliseconds(s.at);
            if (s.kind == 'A') stamps.record(s.key, s.press, s.stamp, at);
            if (s.kind == 'C') {
                EXPECT_EQ(stamps.take(s.key, s.press, at), s.stamp) << "the copy at " << s.at;
            }
        }
    }
}

}  // namespace
}  // namespace cubetimer
