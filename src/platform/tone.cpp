#include "platform/tone.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace cubetimer {

namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string ToneWav(int frequencyHz, int milliseconds, int silenceMs, int sampleRate) {
    const int frames = sampleRate * milliseconds / 1000;
    const int silentFrames = sampleRate * silenceMs / 1000;
    const int edge = sampleRate * 5 / 1000;  // 5 ms fades, so the tone starts and ends without a click
    const int bytes = 2 * (frames + silentFrames);
    std::string wav = "RIFF";
    PutLittleEndian(wav, 36 + bytes, 4);
    wav += "WAVEfmt ";
    PutLittleEndian(wav, 16, 4);
    PutLittleEndian(wav, 1, 2);  // PCM
    PutLittleEndian(wav, 1, 2);  // mono
    PutLittleEndian(wav, sampleRate, 4);
    PutLittleEndian(wav, 2 * sampleRate, 4);
    PutLittleEndian(wav, 2, 2);
    PutLittleEndian(wav, 16, 2);
    wav += "data";
    PutLittleEndian(wav, bytes, 4);
    for (int i = 0; i < frames; ++i) {
        const double envelope = std::min({1.0, static_cast<double>(i) / edge, static_cast<double>(frames - i) / edge});
        const double sample = 0.5 * envelope * std::sin(2 * std::numbers::pi * frequencyHz * i / sampleRate);
        PutLittleEndian(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(sample * 32767))), 2);
    }
    wav.append(2 * static_cast<std::size_t>(silentFrames), '\0');
    return wav;
}

}  // namespace cubetimer
