#pragma once

#include <string>
#include <string_view>

namespace cubetimer {

// Replaces the file at `path` with `text`, or leaves whatever was there byte
// for byte. The text goes to a temporary file beside the target, which is
// synced to disk and only then renamed over it, so true means the new text is
// on disk in full. A symbolic link is followed: its target is replaced.
bool SaveFileWhole(const std::string& path, std::string_view text);

}  // namespace cubetimer
