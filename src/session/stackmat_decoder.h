#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace cubetimer {

// One packet of a Stackmat timer: what its display showed, and where in the
// sample stream the packet ended, so the caller can place it in time.
struct StackmatPacket {
    // ' ' running, 'S' stopped, 'I' idle or reset, 'A' ready (both hands
    // down), 'L' / 'R' one hand, 'C' both hands.
    char status = 'I';
    // The display's figure in thousandths of a second; a five-digit timer
    // shows hundredths, so its figure is a multiple of ten.
    int milliseconds = 0;
    // Six digits (thousandths) or five (hundredths).
    bool thousandths = true;
    // Index, counted from the decoder's first sample, of the sample where the
    // packet's last byte ended.
    std::int64_t endSample = 0;
};

// Samples in, packets out. Finds the signal's level, polarity and baud rate
// by itself (no calibration), follows a sound card's AC droop, DC offset,
// mains hum and noise, reads both packet lengths, and hands on only packets
// whose digits and checksum are valid and whose figure is plausible.
class StackmatDecoder {
public:
    explicit StackmatDecoder(double sampleRate);
    ~StackmatDecoder();
    StackmatDecoder(const StackmatDecoder&) = delete;
    StackmatDecoder& operator=(const StackmatDecoder&) = delete;

    // Mono samples in about [-1, 1], in order, in blocks of any size; returns
    // the packets completed within them, oldest first.
    std::vector<StackmatPacket> feed(std::span<const float> samples);

    double sampleRate() const;
    std::int64_t samplesSeen() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace cubetimer
