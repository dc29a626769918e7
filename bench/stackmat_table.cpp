// How well the Stackmat decoder reads each kind of signal: for each, a timer
// counting through 300 packets, and the share read correctly, the packets
// read wrongly (a wrong figure handed on), and for faulty packets the share
// held back.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "session/stackmat_decoder.h"
#include "stackmat_signal.h"

namespace {

using namespace cubetimer;
using namespace cubetimer::stackmat_test;

enum class Fault { none, clicks, truncated, badChecksum, jump };

struct Row {
    const char* what;
    SignalShape shape;
    bool thousandths = true;
    Fault fault = Fault::none;
};

void Measure(const Row& row) {
    constexpr int kPackets = 300;
    StackmatSignal signal(row.shape);
    // The decoder finds the level and clock on these, not counted.
    for (int i = 0; i < 3; ++i) signal.packet({'I', 0, row.thousandths});
    std::vector<StackmatPacket> good;
    int faulty = 0;
    for (int i = 0; i < kPackets; ++i) {
        const int ms = i * 110;
        const bool hit = row.fault != Fault::none && i % 5 == 4;
        const std::int64_t start = signal.length();
        if (!hit) {
            good.push_back(signal.packet({' ', ms, row.thousandths}));
            continue;
        }
        ++faulty;
        if (row.fault == Fault::clicks) {
            // Alternately in the gap before a packet and within one.
            good.push_back(signal.packet({' ', ms, row.thousandths}));
            signal.click(i % 10 == 4 ? 0.5 : -0.5, i % 10 == 4 ? start - 100 : start + 2000 + i * 7 % 40);
        } else {
            signal.packet({' ', row.fault == Fault::jump ? ms + 3000 : ms, row.thousandths,
                           row.fault == Fault::badChecksum, row.fault == Fault::truncated ? 6 : 10});
        }
    }
    StackmatDecoder decoder(row.shape.sampleRate);
    auto read = decoder.feed(signal.samples());
    std::erase_if(read, [](const StackmatPacket& packet) { return packet.status == 'I'; });
    const double tolerance = row.shape.sampleRate / 1200.0;
    int right = 0;
    for (const auto& packet : read) {
        for (const auto& sent : good) {
            if (sent.milliseconds == packet.milliseconds && sent.status == packet.status &&
                std::llabs(sent.endSample - packet.endSample) <= tolerance) {
                ++right;
                break;
            }
        }
    }
    const int wrong = static_cast<int>(read.size()) - right;
    if (row.fault == Fault::clicks) {
        // A packet with a click within may be lost; those read count as read.
        std::printf("| %-40s | %5.1f %% | %5d |       |\n", row.what, 100.0 * right / kPackets, wrong);
    } else if (row.fault != Fault::none) {
        const int heldBack = faulty - wrong;
        std::printf("| %-40s | %5.1f %% | %5d | %3d/%d |\n", row.what, 100.0 * right / static_cast<double>(good.size()),
                    wrong, heldBack, faulty);
    } else {
        std::printf("| %-40s | %5.1f %% | %5d |       |\n", row.what, 100.0 * right / kPackets, wrong);
    }
}

}  // namespace

int main() {
    const Row rows[] = {
        {"clean, 6 digits, 48 kHz, -20 dBFS", {}},
        {"clean, 5 digits", {}, false},
        {"inverted", {.inverted = true}},
        {"44.1 kHz", {.sampleRate = 44100}},
        {"-40 dBFS", {.levelDbfs = -40}},
        {"-3 dBFS", {.levelDbfs = -3}},
        {"DC offset twice the signal", {.dcOffset = 0.2}},
        {"AC coupled at 5 Hz", {.highpassHz = 5}},
        {"AC coupled at 10 Hz", {.highpassHz = 10}},
        {"AC coupled at 40 Hz", {.highpassHz = 40}},
        {"20 dB SNR", {.noiseSnrDb = 20}},
        {"15 dB SNR", {.noiseSnrDb = 15}},
        {"10 dB SNR", {.noiseSnrDb = 10}},
        {"10 dB SNR, 5 digits, 44.1 kHz", {.sampleRate = 44100, .noiseSnrDb = 10, .seed = 2}, false},
        {"8 dB SNR", {.noiseSnrDb = 8}},
        {"6 dB SNR", {.noiseSnrDb = 6}},
        {"3 dB SNR", {.noiseSnrDb = 3}},
        {"50 Hz hum at the signal's level", {.humDb = 0}},
        {"50 Hz hum 6 dB above the signal", {.levelDbfs = -30, .humDb = 6}},
        {"50 Hz hum 12 dB above the signal", {.levelDbfs = -30, .humDb = 12}},
        {"baud +2 %", {.baudFactor = 1.02}},
        {"baud -2 %", {.baudFactor = 0.98}},
        {"baud +4 %", {.baudFactor = 1.04}},
        {"baud -4 %", {.baudFactor = 0.96}},
        {"baud +8 %", {.baudFactor = 1.08}},
        {"baud -8 %", {.baudFactor = 0.92}},
        {"baud +12 %", {.baudFactor = 1.12}},
        {"baud -12 %", {.baudFactor = 0.88}},
        {"all: -40 dBFS, AC 40 Hz, 10 dB SNR,", {.sampleRate = 44100, .inverted = true, .levelDbfs = -40,
                                                 .baudFactor = 0.96, .highpassHz = 40, .noiseSnrDb = 10,
                                                 .humDb = 0, .seed = 3}},
        {"  hum 0 dB, baud -4 %, inverted, 44.1 kHz", {}},
        {"clicks in 1 of 5 packets (20 dB SNR)", {.highpassHz = 10, .noiseSnrDb = 20}, true, Fault::clicks},
        {"1 of 5 packets cut after 6 bytes", {.noiseSnrDb = 20}, true, Fault::truncated},
        {"1 of 5 packets with a bad checksum", {.noiseSnrDb = 20}, true, Fault::badChecksum},
        {"1 of 5 figures 3 s ahead", {.noiseSnrDb = 20}, true, Fault::jump},
    };
    std::printf("| signal (300 packets)                     | read    | wrong | held back |\n");
    std::printf("|------------------------------------------|---------|-------|-----------|\n");
    for (const Row& row : rows) {
        if (row.what[0] == ' ') {
            std::printf("| %-40s |         |       |       |\n", row.what);
        } else {
            Measure(row);
        }
    }
    return 0;
}
