#pragma once

#include <cstdint>
#include <string>

namespace cubetimer {

// Files larger than this cannot be scramble lists; they are refused unread.
inline constexpr std::uintmax_t kMaxScrambleFileBytes = 16u * 1024u * 1024u;

struct ScrambleFile {
    enum class Status { Ok, NotAccessible, Empty, BadFormat, TooLarge };
    Status status = Status::NotAccessible;
    std::string text;  // the whole text when Ok, without a leading byte-order mark
};

// True when every character is one a scramble file may hold:
// L R B F U D ' 2, blank, CR and LF.
bool IsScrambleText(const std::string& text);

// Checks a scramble file's whole text: a leading byte-order mark is dropped,
// then the text must be non-empty and hold only scramble characters.
ScrambleFile CheckScrambleText(std::string text);

// Reads and checks a scramble file. Only a regular file is opened, so a FIFO
// or a device never blocks the program.
ScrambleFile ReadScrambleFile(const std::string& path);

}  // namespace cubetimer
