#include "platform/win_sound_player.h"

#include "platform/tone.h"

namespace cubetimer {

namespace {

constexpr const wchar_t* kWarningEvent = L"SystemExclamation";
constexpr std::size_t kWavHeader = 44;  // ToneWav's, before the samples

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

WinSoundPlayer::~WinSoundPlayer() { close(); }

void WinSoundPlayer::close() {
    if (device_ == nullptr) return;
    waveOutReset(device_);
    for (WAVEHDR* header : {&toneHeader_, &silenceHeader_}) {
        if (header->dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, header, sizeof(WAVEHDR));
    }
    waveOutClose(device_);
    device_ = nullptr;
}

bool WinSoundPlayer::write(WAVEHDR& header, std::string& samples) {
    if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &header, sizeof(WAVEHDR));
    header = WAVEHDR{};
    header.lpData = samples.data();
    header.dwBufferLength = static_cast<DWORD>(samples.size());
    return waveOutPrepareHeader(device_, &header, sizeof(WAVEHDR)) == MMSYSERR_NOERROR &&
           waveOutWrite(device_, &header, sizeof(WAVEHDR)) == MMSYSERR_NOERROR;
}

// Our tone goes to a device kept open: a sound played by PlaySound starts
// its device afresh each time, and under Wine most such beeps were lost or
// cut short. The silence after the tone keeps it whole on slow drivers, and
// still ends before the next second's beep.
bool WinSoundPlayer::connect() {
    close();
    if (tone_.empty()) tone_ = ToneWav(1500, 150, 500).substr(kWavHeader);
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = 48000;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = 2 * 48000;
    if (waveOutOpen(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        device_ = nullptr;
        return false;
    }
    silence_.assign(2 * 48000 / 5, '\0');
    return write(silenceHeader_, silence_);
}

bool WinSoundPlayer::play() {
    // The scheme is read at each beep: the user may change it while the program runs.
    if (!SchemeSoundFile(kWarningEvent).empty() &&
        PlaySoundW(kWarningEvent, nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT)) {
        return true;
    }
    if (device_ == nullptr) return false;
    waveOutReset(device_);
    return write(toneHeader_, tone_);
}

}  // namespace cubetimer
