#include "scramble/generator.h"

namespace cubetimer {

namespace {

constexpr char kFaces[] = {'U', 'D', 'F', 'B', 'L', 'R'};
constexpr char kSuffixes[] = {' ', '\'', '2'};
constexpr int kTurns = 25;

// A draw of n: a whole number 0..n-1 (one less than the 1-based draw value).
int Draw(const std::function<double()>& uniform01, int n) {
    const int value = static_cast<int>(uniform01() * n);
    return value < 0 ? 0 : (value >= n ? n - 1 : value);
}

// Faces are listed in axis pairs, so two faces share an axis when their
// indices differ only in the lowest bit.
bool SameAxis(int a, int b) { return (a ^ b) == 1; }

}  // namespace

std::string genscramble(const std::function<double()>& uniform01) {
    std::string text(kTurns * 3, ' ');
    int previous = -1;
    int sameAxis = 0;
    for (int step = 1; step <= kTurns;) {
        const int face = Draw(uniform01, 6);
        if (step > 1) {
            if (face == previous) continue;
            if (SameAxis(face, previous)) {
                if (++sameAxis >= 2) continue;
            } else {
                sameAxis = 0;
            }
        }
        // each turn is face letter, suffix, blank; the blanks are already there
        text[(step - 1) * 3] = kFaces[face];
        text[(step - 1) * 3 + 1] = kSuffixes[Draw(uniform01, 3)];
        previous = face;
        ++step;
    }
    return text;
}

}  // namespace cubetimer
