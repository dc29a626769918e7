#pragma once

#include <string>

namespace cubetimer {

// The countdown's own tone, for desktops whose sounds have no warning: a
// complete WAV file, 16-bit mono PCM with soft edges, followed by
// `silenceMs` of silence for players that cut a sound's end short.
std::string ToneWav(int frequencyHz, int milliseconds, int silenceMs = 0, int sampleRate = 48000);

}  // namespace cubetimer
