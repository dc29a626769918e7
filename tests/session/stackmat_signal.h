#pragma once

// A Stackmat timer's signal as a sound card records it, made up for tests:
// packets of either length, the cable's polarity, the card's rate, level,
// AC coupling, noise and mains hum, and faults (clicks, cut packets, bad
// checksums).

#include <cstdint>
#include <optional>
#include <vector>

#include "session/stackmat_decoder.h"

namespace cubetimer::stackmat_test {

struct SignalShape {
    double sampleRate = 48000;
    bool inverted = false;  // idle high instead of low
    double levelDbfs = -20;  // the square wave's peak
    double baudFactor = 1.0;  // the timer's clock against 1200 baud
    double highpassHz = 0;  // the card's AC coupling, first order; 0 for none
    double dcOffset = 0;
    std::optional<double> noiseSnrDb = std::nullopt;  // white noise against the signal's power
    std::optional<double> humDb = std::nullopt;  // 50 Hz against the signal's peak
    unsigned seed = 1;
};

struct PacketShape {
    char status = ' ';
    int milliseconds = 0;
    bool thousandths = true;  // six digits; false for five (hundredths)
    bool badChecksum = false;
    int bytes = 10;  // fewer cuts the packet short
};

class StackmatSignal {
public:
    explicit StackmatSignal(SignalShape shape);

    // One packet, then the line idles until a packet period (110 ms) after
    // its start. Returns what a decoder should read from it.
    StackmatPacket packet(const PacketShape& shape);
    void idle(double seconds);
    // From here on the timer's signal is this loud.
    void setLevel(double dbfs);
    // A click of this peak at this sample.
    void click(double amplitude, std::int64_t at);

    std::int64_t length() const { return static_cast<std::int64_t>(line_.size()); }
    // The whole recording: coupling, hum, offset and noise applied.
    std::vector<float> samples() const;

private:
    void hold(double untilSample, double value);

    SignalShape shape_;
    double amplitude_;
    double noiseSigma_;
    double time_ = 0;  // in samples
    std::vector<double> line_;  // the timer's output before the card
    std::vector<std::pair<std::int64_t, double>> clicks_;
};

// Seconds of signal from a change of level to the first packet the decoder
// reads after it, at 48 kHz with noise 20 dB below -40 dBFS, 50 Hz hum and
// AC coupling; a level of -200 dBFS is no timer at all.
double SecondsToFind(double levelBefore, double levelAfter);

}  // namespace cubetimer::stackmat_test
