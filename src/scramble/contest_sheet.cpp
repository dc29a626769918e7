#include "scramble/contest_sheet.h"

#include "scramble/generator.h"

namespace cubetimer {

std::string ContestSheet(const std::function<double()>& uniform01) {
    std::string sheet;
    // A character is copied only when it differs from the one examined before
    // it; the comparison runs on across scrambles, so the two-blank suffix of a
    // plain turn becomes one blank everywhere.
    char before = '\0';
    for (int i = 0; i < kContestScrambles; ++i) {
        for (char c : genscramble(uniform01)) {
            if (c != before) sheet += c;
            before = c;
        }
        sheet += "\r\n";
    }
    return sheet;
}

}  // namespace cubetimer
