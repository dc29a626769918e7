#include "platform/win_sound_player.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/tone.h"

namespace cubetimer {

namespace {

constexpr const wchar_t* kWarningEvent = L"SystemExclamation";

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

std::wstring SchemeSoundFile(const std::wstring& event) {
    const std::wstring key = L"AppEvents\\Schemes\\Apps\\.Default\\" + event + L"\\.Current";
    DWORD bytes = 0;
    // A REG_EXPAND_SZ value comes back expanded, as REG_SZ.
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        bytes <= sizeof(wchar_t)) {
        return {};
    }
    std::wstring file(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, file.data(), &bytes) !=
        ERROR_SUCCESS) {
        return {};
    }
    file.resize(wcsnlen(file.c_str(), file.size()));
    if (file.empty()) return {};
    if (Exists(file)) return file;
    // A bare name is looked for among Windows' own sounds.
    wchar_t windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || file.find_first_of(L":\\/") != std::wstring::npos) return {};
    const std::wstring media = std::wstring(windows) + L"\\Media\\" + file;
    return Exists(media) ? media : std::wstring();
}

bool WinSoundPlayer::connect() { return waveOutGetNumDevs() > 0; }

bool WinSoundPlayer::play() {
    // The scheme is read at each beep: the user may change it while the program runs.
    if (!SchemeSoundFile(kWarningEvent).empty()) {
        return PlaySoundW(kWarningEvent, nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
    }
    // Wine drops the last 0.35 to 0.45 s of a sound, and slow drivers may too:
    // the silence after the tone keeps the tone whole, and still ends before
    // the next second's beep would cut it off.
    if (tone_.empty()) tone_ = ToneWav(1500, 150, 500);
    return PlaySoundW(reinterpret_cast<const wchar_t*>(tone_.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace cubetimer
