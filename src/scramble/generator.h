#pragma once

#include <functional>
#include <string>

namespace cubetimer {

// A random scramble of 25 turns, each three characters ("U  ", "R' ", "F2 "):
// 75 characters ending in a blank. No face turns twice in a row and no three
// neighbouring turns lie on one axis. uniform01() returns r with 0 <= r < 1.
std::string genscramble(const std::function<double()>& uniform01);

}  // namespace cubetimer
