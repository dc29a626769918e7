#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "platform/beep_worker.h"

namespace cubetimer {

// The user's warning sound from their Windows sound scheme, or where the
// scheme has none, the program's own tone. Both play asynchronously: a call
// returns once the sound has started.
class WinSoundPlayer : public BeepPlayer {
public:
    WinSoundPlayer() = default;
    ~WinSoundPlayer() override;
    WinSoundPlayer(const WinSoundPlayer&) = delete;
    WinSoundPlayer& operator=(const WinSoundPlayer&) = delete;

    // Opens a sound device for our tone and keeps it running; false while
    // Windows has none.
    bool connect() override;
    bool play() override;

private:
    void close();
    bool write(WAVEHDR& header, std::string& samples);

    HWAVEOUT device_ = nullptr;
    std::string tone_;     // 16-bit mono samples at 48 kHz
    std::string silence_;  // started at once, so the first tone starts on time
    WAVEHDR toneHeader_{};
    WAVEHDR silenceHeader_{};
};

// The sound file the user's scheme plays for `event`, or empty where the
// scheme names none or the file it names is not there.
std::wstring SchemeSoundFile(const std::wstring& event);

}  // namespace cubetimer
