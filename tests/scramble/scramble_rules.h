#pragma once

#include <string>
#include <vector>

namespace cubetimer::testing_rules {

// Face letters of a scramble written in any of the readable forms.
inline std::vector<char> Faces(const std::string& text) {
    std::vector<char> faces;
    for (char c : text)
        if (std::string("UDFBLR").find(c) != std::string::npos) faces.push_back(c);
    return faces;
}

inline int Axis(char face) { return static_cast<int>(std::string("UDFBLR").find(face)) / 2; }

// No face twice in a row; never three neighbouring turns on one axis.
inline bool ObeysGeneratorRules(const std::string& text) {
    const std::vector<char> f = Faces(text);
    for (std::size_t i = 1; i < f.size(); ++i) {
        if (f[i] == f[i - 1]) return false;
        if (i >= 2 && Axis(f[i]) == Axis(f[i - 1]) && Axis(f[i]) == Axis(f[i - 2])) return false;
    }
    return true;
}

}  // namespace cubetimer::testing_rules
