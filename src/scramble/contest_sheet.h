#pragma once

#include <functional>
#include <string>

namespace cubetimer {

inline constexpr int kContestScrambles = 13;

// 13 fresh scrambles in single-blank notation ("R U' F2 ... "), one per line,
// each line ending in CR LF.
std::string ContestSheet(const std::function<double()>& uniform01);

}  // namespace cubetimer
