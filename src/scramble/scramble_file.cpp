#include "scramble/scramble_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace cubetimer {

bool IsScrambleText(const std::string& text) {
    for (char c : text) {
        switch (c) {
            case 'L': case 'R': case 'B': case 'F': case 'U': case 'D':
            case '\'': case '2': case ' ': case '\r': case '\n':
                break;
            default:
                return false;
        }
    }
    return true;
}

ScrambleFile ReadScrambleFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (path.empty() || !fs::is_regular_file(path, error)) return {ScrambleFile::Status::NotAccessible, {}};
    const std::uintmax_t size = fs::file_size(path, error);
    if (error) return {ScrambleFile::Status::NotAccessible, {}};
    if (size > kMaxScrambleFileBytes) return {ScrambleFile::Status::TooLarge, {}};

    std::ifstream in(path, std::ios::binary);
    if (!in) return {ScrambleFile::Status::NotAccessible, {}};
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return {ScrambleFile::Status::NotAccessible, {}};
    // The file may have grown since it was measured.
    if (text.size() > kMaxScrambleFileBytes) return {ScrambleFile::Status::TooLarge, {}};

    return CheckScrambleText(std::move(text));
}

ScrambleFile CheckScrambleText(std::string text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    if (text.empty()) return {ScrambleFile::Status::Empty, {}};
    if (!IsScrambleText(text)) return {ScrambleFile::Status::BadFormat, {}};
    return {ScrambleFile::Status::Ok, std::move(text)};
}

}  // namespace cubetimer
