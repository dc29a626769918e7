#pragma once

#include "platform/beep_worker.h"

#include <string>

struct ca_context;

namespace cubetimer {

// The desktop's warning sound from its sound theme, played through the sound
// server. Where the theme has no warning sound, a short tone of our own.
class CanberraPlayer : public BeepPlayer {
public:
    CanberraPlayer() = default;
    ~CanberraPlayer() override;
    CanberraPlayer(const CanberraPlayer&) = delete;
    CanberraPlayer& operator=(const CanberraPlayer&) = delete;

    bool connect() override;
    bool play() override;

private:
    void close();

    ca_context* context_ = nullptr;
    std::string toneFile_;  // our own tone, written once when the theme has none
};

// A short tone as a complete WAV file: 16-bit mono PCM with soft edges.
std::string ToneWav(int frequencyHz, int milliseconds, int sampleRate = 48000);

}  // namespace cubetimer
