#pragma once

#include <string>

#include "platform/beep_worker.h"

namespace cubetimer {

// The user's warning sound from their Windows sound scheme, or where the
// scheme has none, the program's own tone. Both play asynchronously: a call
// returns once the sound has started.
class WinSoundPlayer : public BeepPlayer {
public:
    // False while Windows has no device to play on.
    bool connect() override;
    bool play() override;

private:
    std::string tone_;  // a WAV file in memory, made on first need
};

// The sound file the user's scheme plays for `event`, or empty where the
// scheme names none or the file it names is not there.
std::wstring SchemeSoundFile(const std::wstring& event);

}  // namespace cubetimer
