#include "stackmat_signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>

namespace cubetimer::stackmat_test {

namespace {

constexpr double kPacketPeriod = 0.110;

double FromDb(double db) { return std::pow(10.0, db / 20.0); }

}  // namespace

StackmatSignal::StackmatSignal(SignalShape shape)
    : shape_(shape),
      amplitude_(FromDb(shape.levelDbfs)),
      noiseSigma_(shape.noiseSnrDb ? amplitude_ / FromDb(*shape.noiseSnrDb) : 0.0) {}

void StackmatSignal::hold(double untilSample, double value) {
    const auto until = static_cast<std::size_t>(std::max(0.0, std::ceil(untilSample)));
    if (until > line_.size()) line_.resize(until, value);
    time_ = std::max(time_, untilSample);
}

StackmatPacket StackmatSignal::packet(const PacketShape& shape) {
    const int ms = shape.thousandths ? shape.milliseconds : shape.milliseconds / 10 * 10;
    std::string digits = std::to_string(ms / 60000) + std::to_string(ms / 1000 % 60 / 10) +
                         std::to_string(ms / 1000 % 10);
    const int fraction = ms % 1000;
    digits += shape.thousandths ? std::to_string(fraction / 100) + std::to_string(fraction / 10 % 10) +
                                      std::to_string(fraction % 10)
                                : std::to_string(fraction / 100) + std::to_string(fraction / 10 % 10);
    int sum = 0;
    for (const char c : digits) sum += c - '0';
    std::string bytes = shape.status + digits;
    bytes += static_cast<char>(64 + sum + (shape.badChecksum ? 1 : 0));
    bytes += "\n\r";
    bytes.resize(std::min(bytes.size(), static_cast<std::size_t>(std::max(0, shape.bytes))));

    const double idle = shape_.inverted ? amplitude_ : -amplitude_;
    const double bit = shape_.sampleRate / (1200.0 * shape_.baudFactor);
    const double start = time_;
    double end = start;
    for (const char c : bytes) {
        hold(time_ + bit, -idle);
        for (int i = 0; i < 8; ++i) hold(time_ + bit, (c >> i & 1) != 0 ? idle : -idle);
        hold(time_ + bit, idle);
        end = time_;
    }
    hold(start + kPacketPeriod * shape_.sampleRate, idle);
    return {shape.status, ms, shape.thousandths, std::llround(end)};
}

void StackmatSignal::idle(double seconds) {
    hold(time_ + seconds * shape_.sampleRate, shape_.inverted ? amplitude_ : -amplitude_);
}

void StackmatSignal::setLevel(double dbfs) { amplitude_ = FromDb(dbfs); }

void StackmatSignal::click(double amplitude, std::int64_t at) { clicks_.emplace_back(at, amplitude); }

std::vector<float> StackmatSignal::samples() const {
    std::vector<double> out = line_;
    if (shape_.highpassHz > 0 && !out.empty()) {
        const double alpha = 1.0 / (1.0 + 2.0 * std::numbers::pi * shape_.highpassHz / shape_.sampleRate);
        double previousIn = out[0];
        double previousOut = 0;
        for (double& x : out) {
            previousOut = alpha * (previousOut + x - previousIn);
            previousIn = x;
            x = previousOut;
        }
    }
    for (const auto& [at, peak] : clicks_) {
        for (std::size_t i = 0; i < 4 && static_cast<std::size_t>(at) + i < out.size(); ++i) {
            out[static_cast<std::size_t>(at) + i] += peak * std::pow(0.5, static_cast<double>(i));
        }
    }
    std::mt19937 random(shape_.seed);
    std::normal_distribution<double> gauss(0.0, 1.0);
    const double hum = shape_.humDb ? FromDb(shape_.levelDbfs + *shape_.humDb) : 0.0;
    std::vector<float> samples(out.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        double x = out[i] + shape_.dcOffset + noiseSigma_ * gauss(random);
        x += hum * std::sin(2.0 * std::numbers::pi * 50.0 * static_cast<double>(i) / shape_.sampleRate);
        samples[i] = static_cast<float>(std::clamp(x, -1.0, 1.0));
    }
    return samples;
}

double SecondsToFind(double levelBefore, double levelAfter) {
    StackmatSignal signal({.levelDbfs = -40, .highpassHz = 10, .noiseSnrDb = 20, .humDb = -6});
    signal.setLevel(levelBefore);
    for (int i = 0; i < 20; ++i) signal.packet({'I', 0});
    const std::int64_t change = signal.length();
    signal.setLevel(levelAfter);
    for (int i = 0; i < 40; ++i) signal.packet({'A', 0});
    StackmatDecoder decoder(48000);
    for (const auto& packet : decoder.feed(signal.samples())) {
        if (packet.endSample > change) return static_cast<double>(packet.endSample - change) / 48000.0;
    }
    return 1e9;
}

}  // namespace cubetimer::stackmat_test
