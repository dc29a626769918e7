#include "platform/file_save.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace cubetimer {

namespace {

// Names reach Windows as UTF-16, so every name the dialog gives can be saved to.
std::wstring Wide(const std::string& text) {
    const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0);
    if (size <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), wide.data(), size);
    std::replace(wide.begin(), wide.end(), L'/', L'\\');
    return wide;
}

bool WriteAll(HANDLE file, std::string_view text) {
    while (!text.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, text.data(), chunk, &written, nullptr) || written == 0) return false;
        text.remove_prefix(written);
    }
    return true;
}

// The text in a new file beside the target, on disk before it takes the target's place.
std::wstring WriteTemporary(const std::wstring& folder, std::string_view text) {
    wchar_t name[MAX_PATH + 1];
    if (GetTempFileNameW(folder.c_str(), L"qvt", 0, name) == 0) return {};
    const HANDLE file =
        CreateFileW(name, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool ok = file != INVALID_HANDLE_VALUE;
    ok = ok && WriteAll(file, text) && FlushFileBuffers(file);
    if (file != INVALID_HANDLE_VALUE) ok = CloseHandle(file) && ok;
    if (!ok) {
        DeleteFileW(name);
        return {};
    }
    return name;
}

// False while another program holds the file open without letting it be
// replaced. Asking first keeps a failed replace from leaving Wine's own
// temporary file behind.
bool Replaceable(const std::wstring& target) {
    const HANDLE file = CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace

bool SaveFileWhole(const std::string& path, std::string_view text) {
    const std::wstring target = Wide(path);
    if (target.empty() || target.back() == L'\\') return false;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool replacing = attributes != INVALID_FILE_ATTRIBUTES;
    // A read-only file is the user's word that it stays as it is.
    if (replacing && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) return false;
    if (replacing && !Replaceable(target)) return false;

    const std::size_t slash = target.rfind(L'\\');
    const std::wstring folder = slash == std::wstring::npos ? L"." : target.substr(0, slash + 1);
    const std::wstring temporary = WriteTemporary(folder, text);
    if (temporary.empty()) return false;

    // The replaced file keeps its own rights and attributes (Wine's replace
    // does not carry the attributes over).
    constexpr DWORD kMove = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (replacing) SetFileAttributesW(temporary.c_str(), attributes);
    bool ok = replacing ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                       nullptr, nullptr)
                        : MoveFileExW(temporary.c_str(), target.c_str(), kMove);
    // The old file gone and the new one not yet in its place: the whole new
    // text is on disk, so it takes the place.
    if (!ok && replacing && GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
        ok = MoveFileExW(temporary.c_str(), target.c_str(), kMove);
    }
    if (!ok) DeleteFileW(temporary.c_str());
    return ok;
}

}  // namespace cubetimer
