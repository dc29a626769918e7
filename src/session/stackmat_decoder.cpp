#include "session/stackmat_decoder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

namespace cubetimer {

namespace {

constexpr double kBaud = 1200.0;
constexpr double kPacketPeriodMs = 110.0;
// Allowance, beyond a packet period, for the timer's clock against the sound
// card's and for where in its packet a running figure was taken.
constexpr double kSlackMs = 60.0;
constexpr double kClockSlack = 0.02;
// A running timer starts a new solve only once stopped and reset, which takes
// a person longer than this.
constexpr double kRestartMs = 500.0;
// The edge threshold comes from the strongest edges in 10 ms blocks over the
// last 320 ms, taking the block at three quarters up: it stays an edge's
// strength while packets fill over a quarter of the blocks (even when some
// are cut short), a few clicks do not move it, and after a drop in level it
// follows within 250 ms.
constexpr int kLevelBlocks = 32;

// The bytes of one packet: status, digits, checksum, LF, CR.
std::optional<StackmatPacket> ParsePacket(const std::uint8_t* bytes, int count) {
    const int digits = count - 4;
    constexpr std::string_view statuses = " SIALRC";
    if (statuses.find(static_cast<char>(bytes[0])) == std::string_view::npos) return std::nullopt;
    std::array<int, 6> d{};
    int sum = 0;
    for (int i = 0; i < digits; ++i) {
        const std::uint8_t c = bytes[1 + i];
        if (c < '0' || c > '9') return std::nullopt;
        d[i] = c - '0';
        sum += d[i];
    }
    if (bytes[1 + digits] != 64 + sum || bytes[count - 2] != '\n' || bytes[count - 1] != '\r') return std::nullopt;
    const int seconds = d[1] * 10 + d[2];
    if (seconds >= 60) return std::nullopt;
    StackmatPacket packet;
    packet.status = static_cast<char>(bytes[0]);
    packet.thousandths = digits == 6;
    const int fraction = packet.thousandths ? d[3] * 100 + d[4] * 10 + d[5] : (d[3] * 10 + d[4]) * 10;
    packet.milliseconds = d[0] * 60000 + seconds * 1000 + fraction;
    return packet;
}

// Whether a timer that showed `before` can show `after` this much later: a
// running figure only grows, and by no more than the time passed; a held
// figure stays; a reset is always possible, and so is a new solve begun
// since (for a running timer, once there was time to stop and reset it).
bool Follows(const StackmatPacket& before, const StackmatPacket& after, double sampleRate) {
    if (after.milliseconds == 0) return true;
    const double elapsedMs = static_cast<double>(after.endSample - before.endSample) * 1000.0 / sampleRate;
    const double reach = elapsedMs * (1.0 + kClockSlack) + kPacketPeriodMs + kSlackMs;
    const bool running = before.status == ' ';
    const bool fromBefore = after.milliseconds >= before.milliseconds &&
                            after.milliseconds <= before.milliseconds + (running ? reach : 0.0);
    return fromBefore || after.milliseconds <= reach - (running ? kRestartMs : 0.0);
}

}  // namespace

struct StackmatDecoder::State {
    // Reads the edge stream as a serial line idling at one level; the line's
    // polarity depends on cable and card, so one reader per polarity runs
    // and only the right one yields packets whose checksums hold.
    struct Reader {
        int idleLevel = 1;
        bool inFrame = false;
        double anchor = 0;  // the last edge, on the boundary before bit anchorBit
        int anchorBit = 0;
        int nextBit = 0;  // 0 start, 1..8 data, 9 stop
        unsigned value = 0;
        double frameStart = 0;
        // The last bytes read, with where each began.
        std::array<std::uint8_t, 10> bytes{};
        std::array<double, 10> starts{};
        int count = 0;
    };

    explicit State(double rate)
        : sampleRate(rate),
          nominalBit(rate / kBaud),
          bitSamples(nominalBit),
          window(std::clamp(static_cast<int>(std::lround(0.4 * rate / kBaud)), 2, 1 << 16)),
          blockLength(std::clamp(static_cast<int>(rate / 100.0), 1, 1 << 24)),
          history(2 * static_cast<std::size_t>(window), 0.0f) {
        readers[0].idleLevel = -1;
        readers[1].idleLevel = 1;
    }

    double sampleRate;
    double nominalBit;
    double bitSamples;  // follows the timer's clock
    double lastStrongEdge = 0;
    int window;  // samples in each half of the edge detector
    int blockLength;
    std::int64_t seen = 0;

    // The last 2 * window samples, and the sums of their newer and older halves.
    std::vector<float> history;
    std::size_t historyPos = 0;
    double newer = 0;
    double older = 0;

    std::array<double, kLevelBlocks> blockPeaks{};
    int blockIndex = 0;
    int blocksFilled = 0;
    int blockFill = 0;
    double blockPeak = 0;
    double threshold = 0;

    int edgeSign = 0;  // the sign of the edge being measured, 0 between edges
    double edgePeak = 0;
    std::int64_t edgeAt = 0;
    int level = 0;

    std::array<Reader, 2> readers;
    std::optional<StackmatPacket> accepted;
    std::optional<StackmatPacket> rejected;
    std::vector<StackmatPacket>* out = nullptr;

    void sample(float x);
    void endBlock();
    void edge(double at, int sign);
    void advance(Reader& reader, double horizon);
    void byteRead(Reader& reader, unsigned value, double end);
    void offer(StackmatPacket packet);
};

void StackmatDecoder::State::sample(float x) {
    // The difference of the last two windows' sums: a step (an edge of the
    // signal) gives a peak of the step's height times the window, while DC,
    // the card's droop and mains hum change too slowly to give much.
    const std::size_t span = history.size();
    const float middle = history[(historyPos + static_cast<std::size_t>(window)) % span];
    newer += static_cast<double>(x) - middle;
    older += static_cast<double>(middle) - history[historyPos];
    history[historyPos] = x;
    historyPos = (historyPos + 1) % span;
    const double e = newer - older;
    const double strength = std::abs(e);
    blockPeak = std::max(blockPeak, strength);

    const std::int64_t n = seen++;
    const int sign = e > 0 ? 1 : -1;
    if (edgeSign != 0) {
        if (sign == edgeSign && strength > edgePeak) {
            edgePeak = strength;
            edgeAt = n;
        } else if (sign != edgeSign || strength < 0.5 * threshold) {
            const int ended = edgeSign;
            edgeSign = 0;
            // The peak comes when the step sits between the two windows.
            edge(static_cast<double>(edgeAt - window) + 0.5, ended);
        }
    }
    if (edgeSign == 0 && strength > threshold) {
        edgeSign = sign;
        edgePeak = strength;
        edgeAt = n;
    }
    // No edge still to be found lies before this moment.
    const double horizon = static_cast<double>((edgeSign != 0 ? edgeAt : n) - window);
    for (Reader& reader : readers) advance(reader, horizon);

    if (++blockFill == blockLength) endBlock();
}

void StackmatDecoder::State::endBlock() {
    blockFill = 0;
    blockPeaks[static_cast<std::size_t>(blockIndex)] = blockPeak;
    blockIndex = (blockIndex + 1) % kLevelBlocks;
    blockPeak = 0;
    // Until the blocks are all filled, the ones there are decide.
    blocksFilled = std::min(blocksFilled + 1, kLevelBlocks);
    std::array<double, kLevelBlocks> sorted = blockPeaks;
    const auto rank = sorted.begin() + blocksFilled * 3 / 4;
    std::nth_element(sorted.begin(), rank, sorted.begin() + blocksFilled);
    // Half the typical edge: well clear of noise and of edges weakened by droop.
    threshold = std::max(0.5 * *rank, 1e-7 * window);
    // Running sums drift with rounding; start them afresh now and then.
    newer = 0;
    older = 0;
    const std::size_t span = history.size();
    for (std::size_t i = 0; i < span; ++i) {
        const double value = history[(historyPos + i) % span];
        (i < span / 2 ? older : newer) += value;
    }
}

void StackmatDecoder::State::edge(double at, int sign) {
    // A cheap timer's clock may be several per cent off: the bit period
    // follows the gaps of one or two bits between strong edges. Noise seldom
    // gives two strong edges so close, and then at gaps spread evenly about
    // the period, so it does not pull the period away.
    if (edgePeak > 1.6 * threshold) {
        const double gap = at - lastStrongEdge;
        const double bits = std::round(gap / bitSamples);
        if (bits == 1 || (bits == 2 && std::abs(gap / 2 - bitSamples) < 0.3 * bitSamples)) {
            bitSamples = std::clamp(bitSamples + 0.03 * (gap / bits - bitSamples), 0.85 * nominalBit, 1.15 * nominalBit);
        }
        lastStrongEdge = at;
    }
    for (Reader& reader : readers) {
        advance(reader, at);
        if (reader.inFrame) {
            // Bit timing follows each edge, so a timer's baud rate a few per
            // cent off drifts only between edges.
            const int bit = reader.anchorBit + static_cast<int>(std::lround((at - reader.anchor) / bitSamples));
            if (bit > reader.anchorBit) {
                reader.anchor = at;
                reader.anchorBit = bit;
            }
        } else if (sign != reader.idleLevel && level != sign) {
            reader.inFrame = true;
            reader.anchor = at;
            reader.anchorBit = 0;
            reader.nextBit = 0;
            reader.value = 0;
            reader.frameStart = at;
        }
    }
    level = sign;
}

void StackmatDecoder::State::advance(Reader& reader, double horizon) {
    while (reader.inFrame) {
        const double centre = reader.anchor + (reader.nextBit - reader.anchorBit + 0.5) * bitSamples;
        if (centre > horizon) return;
        const unsigned bit = level == reader.idleLevel ? 1U : 0U;
        if (reader.nextBit == 0) {
            if (bit != 0) reader.inFrame = false;  // a glitch, not a start bit
        } else if (reader.nextBit <= 8) {
            reader.value |= bit << (reader.nextBit - 1);
        } else {
            reader.inFrame = false;
            if (bit == 1) {
                byteRead(reader, reader.value, centre + 0.5 * bitSamples);
            } else {
                // Framing lost: what came before is no packet's start.
                reader.count = 0;
            }
        }
        ++reader.nextBit;
    }
}

void StackmatDecoder::State::byteRead(Reader& reader, unsigned value, double end) {
    std::copy(reader.bytes.begin() + 1, reader.bytes.end(), reader.bytes.begin());
    std::copy(reader.starts.begin() + 1, reader.starts.end(), reader.starts.begin());
    reader.bytes.back() = static_cast<std::uint8_t>(value);
    reader.starts.back() = reader.frameStart;
    reader.count = std::min(reader.count + 1, 10);
    if (value != '\r') return;
    for (const int length : {10, 9}) {
        if (reader.count < length) continue;
        const std::size_t first = reader.bytes.size() - static_cast<std::size_t>(length);
        // The bytes of one packet come close together, not from two broken ones.
        if (end - reader.starts[first] > 1.5 * 10 * length * bitSamples) continue;
        if (auto packet = ParsePacket(reader.bytes.data() + first, length)) {
            packet->endSample = std::llround(end);
            reader.count = 0;
            offer(*packet);
            return;
        }
    }
}

void StackmatDecoder::State::offer(StackmatPacket packet) {
    // A packet that does not follow the last one accepted is held back; a
    // second that follows it shows the timer really moved on (a new timer
    // plugged in, or the decoder started mid-solve).
    const bool plausible = !accepted || Follows(*accepted, packet, sampleRate) ||
                           (rejected && Follows(*rejected, packet, sampleRate) &&
                            packet.endSample - rejected->endSample < 3 * kPacketPeriodMs * sampleRate / 1000.0);
    if (!plausible) {
        rejected = packet;
        return;
    }
    accepted = packet;
    rejected.reset();
    out->push_back(packet);
}

StackmatDecoder::StackmatDecoder(double sampleRate)
    : state_(std::make_unique<State>(std::isfinite(sampleRate) ? sampleRate : 0.0)) {}

StackmatDecoder::~StackmatDecoder() = default;

std::vector<StackmatPacket> StackmatDecoder::feed(std::span<const float> samples) {
    std::vector<StackmatPacket> packets;
    // Below 8 kHz a bit is too few samples to read.
    if (!(state_->sampleRate >= 8000.0)) {
        state_->seen += static_cast<std::int64_t>(samples.size());
        return packets;
    }
    state_->out = &packets;
    for (const float x : samples) state_->sample(x);
    state_->out = nullptr;
    return packets;
}

double StackmatDecoder::sampleRate() const { return state_->sampleRate; }

std::int64_t StackmatDecoder::samplesSeen() const { return state_->seen; }

}  // namespace cubetimer
