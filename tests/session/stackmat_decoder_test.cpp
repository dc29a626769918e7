#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "session/stackmat_decoder.h"
#include "stackmat_signal.h"

namespace cubetimer {
namespace {

using stackmat_test::PacketShape;
using stackmat_test::SecondsToFind;
using stackmat_test::SignalShape;
using stackmat_test::StackmatSignal;

enum class Fault { none, clicks, truncated, badChecksum, jumps };
enum class Want { read, dropped, either };

struct Sent {
    StackmatPacket packet;
    Want want;
};

// A timer's session: idle, ready, a 1.3 s solve, stopped, reset; with one
// kind of fault put in now and then.
std::vector<Sent> Play(StackmatSignal& signal, bool thousandths, Fault fault) {
    std::vector<Sent> sent;
    // The first packets after the card opens may go to finding the level.
    auto send = [&](char status, int ms, Want want = Want::read) {
        const Want first = sent.size() < 2 ? Want::either : want;
        sent.push_back({signal.packet({status, ms, thousandths}), first});
    };
    signal.idle(0.2);
    for (int i = 0; i < 4; ++i) send('I', 0);
    for (int i = 0; i < 3; ++i) send('A', 0);
    for (int i = 0; i < 12; ++i) {
        const int ms = i * 110 + 3;
        const bool faulty = i % 4 == 2;
        if (!faulty || fault == Fault::none) {
            send(' ', ms);
        } else if (fault == Fault::clicks) {
            // One just before a start bit, which must not cost the packet;
            // one within a packet, which may.
            const bool inGap = i % 8 == 2;
            const std::int64_t start = signal.length();
            send(' ', ms, inGap ? Want::read : Want::either);
            signal.click(inGap ? 0.5 : -0.5, inGap ? start - 100 : start + 2000);
        } else if (fault == Fault::truncated) {
            signal.packet({' ', ms, thousandths, false, 4 + i % 5});
        } else if (fault == Fault::badChecksum) {
            sent.push_back({signal.packet({' ', ms, thousandths, true}), Want::dropped});
        } else {
            sent.push_back({signal.packet({' ', i == 2 ? ms + 5000 : ms - 400, thousandths}), Want::dropped});
        }
    }
    for (int i = 0; i < 4; ++i) send('S', 1323);
    for (int i = 0; i < 3; ++i) send('I', 0);
    return sent;
}

bool Same(const StackmatPacket& a, const StackmatPacket& b, double rate) {
    return a.status == b.status && a.milliseconds == b.milliseconds && a.thousandths == b.thousandths &&
           std::abs(a.endSample - b.endSample) <= rate / 1200.0;
}

// Every packet that must be read was read once, and nothing else was read
// but packets that may be.
bool ReadRight(const std::vector<Sent>& sent, const std::vector<StackmatPacket>& read, double rate) {
    for (const Sent& s : sent) {
        const auto times = std::count_if(read.begin(), read.end(), [&](const auto& r) { return Same(r, s.packet, rate); });
        if (times > 1 || (s.want == Want::read && times == 0) || (s.want == Want::dropped && times != 0)) return false;
    }
    return std::all_of(read.begin(), read.end(), [&](const auto& r) {
        return std::any_of(sent.begin(), sent.end(), [&](const Sent& s) { return Same(r, s.packet, rate); });
    });
}

// A first attempt: the level against zero, idle low, the nominal baud from
// each start edge, a packet being what came since the last CR, its digits
// taken as they come.
std::vector<StackmatPacket> NaiveDecode(const std::vector<float>& s, double rate) {
    std::vector<StackmatPacket> read;
    std::string bytes;
    const double bit = rate / 1200.0;
    std::size_t i = 1;
    while (i < s.size()) {
        if (!(s[i - 1] <= 0 && s[i] > 0)) {
            ++i;
            continue;
        }
        const double start = static_cast<double>(i);
        auto mark = [&](int b) {
            const auto k = static_cast<std::size_t>(start + (b + 0.5) * bit);
            return k >= s.size() || s[k] <= 0;
        };
        unsigned value = 0;
        for (int b = 0; b < 8; ++b) value |= (mark(1 + b) ? 1U : 0U) << b;
        i = static_cast<std::size_t>(start + 9.5 * bit);
        if (!mark(9)) continue;
        bytes += static_cast<char>(value);
        if (value != '\r') continue;
        if (bytes.size() == 10 || bytes.size() == 9) {
            auto d = [&](int k) { return bytes[static_cast<std::size_t>(k)] - '0'; };
            const bool six = bytes.size() == 10;
            const int fraction = six ? d(4) * 100 + d(5) * 10 + d(6) : (d(4) * 10 + d(5)) * 10;
            read.push_back({bytes[0], d(1) * 60000 + (d(2) * 10 + d(3)) * 1000 + fraction, six,
                            static_cast<std::int64_t>(start + 10 * bit)});
        }
        bytes.clear();
    }
    return read;
}

std::vector<StackmatPacket> Decode(const std::vector<float>& samples, double rate) {
    StackmatDecoder decoder(rate);
    std::vector<StackmatPacket> read;
    // Blocks of an odd size, as a sound server hands them over.
    for (std::size_t at = 0; at < samples.size(); at += 777) {
        const auto part = std::span(samples).subspan(at, std::min<std::size_t>(777, samples.size() - at));
        for (const auto& packet : decoder.feed(part)) read.push_back(packet);
    }
    EXPECT_EQ(decoder.samplesSeen(), static_cast<std::int64_t>(samples.size()));
    return read;
}

TEST(StackmatDecoderTest, ReadsEveryGoodPacketAndNothingElse) {
    const struct {
        const char* what;
        SignalShape shape;
        bool thousandths = true;
        Fault fault = Fault::none;
        bool naiveFails = true;  // the signal kind is a real difficulty
    } rows[] = {
        {"clean, six digits", {}, true, Fault::none, false},
        {"clean, five digits, 44.1 kHz", {.sampleRate = 44100}, false, Fault::none, false},
        {"-3 dBFS", {.levelDbfs = -3}, true, Fault::none, false},
        {"inverted, -40 dBFS, 44.1 kHz", {.sampleRate = 44100, .inverted = true, .levelDbfs = -40}},
        {"DC offset", {.dcOffset = 0.2}, false},
        {"AC coupled at 5 Hz, five digits", {.highpassHz = 5, .noiseSnrDb = 30}, false, Fault::none, false},
        {"AC coupled at 40 Hz", {.highpassHz = 40, .noiseSnrDb = 30}},
        {"15 dB SNR", {.noiseSnrDb = 15, .seed = 2}, true, Fault::none, false},
        {"10 dB SNR, -40 dBFS", {.levelDbfs = -40, .noiseSnrDb = 10, .seed = 3}},
        {"10 dB SNR, five digits, inverted", {.inverted = true, .noiseSnrDb = 10, .seed = 4}, false},
        {"hum at the signal's level", {.noiseSnrDb = 30, .humDb = 0}},
        {"hum, AC at 20 Hz, 44.1 kHz, inverted", {.sampleRate = 44100, .inverted = true, .highpassHz = 20, .humDb = 0}},
        {"baud 2 % fast", {.baudFactor = 1.02}, true, Fault::none, false},
        {"baud 2 % slow, five digits", {.baudFactor = 0.98}, false, Fault::none, false},
        {"baud 6 % fast", {.baudFactor = 1.06, .noiseSnrDb = 30}},
        {"baud 6 % slow, 44.1 kHz", {.sampleRate = 44100, .baudFactor = 0.94, .noiseSnrDb = 30}},
        {"clicks", {.highpassHz = 10, .noiseSnrDb = 30}, true, Fault::clicks},
        {"truncated packets, five digits", {.noiseSnrDb = 30}, false, Fault::truncated},
        {"bad checksums", {.noiseSnrDb = 30}, true, Fault::badChecksum},
        {"figures jumping ahead and back", {.noiseSnrDb = 30}, true, Fault::jumps},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        StackmatSignal signal(row.shape);
        const std::vector<Sent> sent = Play(signal, row.thousandths, row.fault);
        const std::vector<float> samples = signal.samples();
        EXPECT_TRUE(ReadRight(sent, Decode(samples, row.shape.sampleRate), row.shape.sampleRate));
        EXPECT_EQ(ReadRight(sent, NaiveDecode(samples, row.shape.sampleRate), row.shape.sampleRate), !row.naiveFails);
    }
}

// What a timer may really do between two packets is all read: the display
// held at 9:59.999, a stop sent as 'I' with the figure, a solve begun and
// run while the cable was out, the decoder started in the middle of a solve.
TEST(StackmatDecoderTest, ReadsEveryLegitimateChange) {
    const struct {
        char status;
        int ms;
        double silentBefore = 0;
    } steps[] = {{' ', 599890}, {' ', 599999}, {' ', 599999}, {'I', 599999}, {'I', 0},   {'A', 0},
                 {' ', 0},      {' ', 110},    {' ', 1300, 1.0},            {' ', 1410}, {'S', 1450},
                 {'L', 1450},   {'C', 1450},   {'A', 1450},                 {' ', 60},   {' ', 170}};
    StackmatSignal signal({.highpassHz = 10, .noiseSnrDb = 20});
    signal.packet({'I', 0, true, false, 5});  // the card opened in the middle of a packet
    std::vector<Sent> sent;
    for (const auto& step : steps) {
        signal.idle(step.silentBefore);
        // The first packet after silence may go to finding the level again.
        const bool first = sent.empty() || step.silentBefore > 0;
        sent.push_back({signal.packet({step.status, step.ms}), first ? Want::either : Want::read});
    }
    EXPECT_TRUE(ReadRight(sent, Decode(signal.samples(), 48000), 48000));
}

// A timer plugged in quietly, and a signal grown 18 dB weaker (a cable
// moved, the card's gain turned down).
TEST(StackmatDecoderTest, FindsTheTimerSoon) {
    EXPECT_LT(SecondsToFind(-200, -40), 0.5);
    EXPECT_LT(SecondsToFind(-22, -40), 1.0);
}

}  // namespace
}  // namespace cubetimer
