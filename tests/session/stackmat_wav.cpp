// Writes a scripted Stackmat session as a 16-bit mono WAV file, as a sound
// card would record it, for the program's end-to-end tests.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "stackmat_signal.h"

namespace {

using namespace cubetimer::stackmat_test;

constexpr const char* kUsage = R"(usage: stackmat_wav OUT.wav --script STEPS [options]

Options:
  --rate HZ          sample rate (48000)
  --digits 6|5       six digits (thousandths) or five (hundredths) (6)
  --inverted         the line idles high instead of low
  --level DBFS       the signal's peak level (-20)
  --highpass HZ      the card's AC coupling, first order (none)
  --noise-snr DB     white noise at this signal-to-noise ratio (none)
  --hum DB           50 Hz hum this far above the signal's peak (none)
  --baud FACTOR      the timer's clock against 1200 baud (1.0)
  --stop-as-idle     the timer sends its stop as 'I' with the final figure
  --seed N           the noise's seed (1)

STEPS, separated by commas, each sent as packets every 110 ms:
  XFIGURE:SECONDS    status X (I idle, A ready, L / R one hand, C both hands,
                     S stopped) showing FIGURE in milliseconds, for SECONDS
  run:SECONDS        running: the figure follows the clock from 0 for SECONDS
  gap:SECONDS        the line idles with no packets (timer silent)
  level:DBFS         the signal is this loud from here on
Example: --script "I0:1.0,A0:0.5,run:3.456,S3456:1.0,I0:0.5"
)";

[[noreturn]] void Fail(const std::string& why) {
    std::cerr << "stackmat_wav: " << why << "\n\n" << kUsage;
    std::exit(2);
}

double Number(const std::string& text, const std::string& what) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value)) Fail("not a number for " + what + ": " + text);
    return value;
}

void Put(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(value >> (8 * i) & 0xff));
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    SignalShape shape;
    bool thousandths = true;
    bool stopAsIdle = false;
    std::string out;
    std::string script;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) Fail(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--rate") shape.sampleRate = Number(value(), arg);
        else if (arg == "--digits") {
            const double digits = Number(value(), arg);
            if (digits != 5 && digits != 6) Fail("--digits is 5 or 6");
            thousandths = digits == 6;
        }
        else if (arg == "--inverted") shape.inverted = true;
        else if (arg == "--level") shape.levelDbfs = Number(value(), arg);
        else if (arg == "--highpass") shape.highpassHz = Number(value(), arg);
        else if (arg == "--noise-snr") shape.noiseSnrDb = Number(value(), arg);
        else if (arg == "--hum") shape.humDb = Number(value(), arg);
        else if (arg == "--baud") shape.baudFactor = Number(value(), arg);
        else if (arg == "--stop-as-idle") stopAsIdle = true;
        else if (arg == "--seed") shape.seed = static_cast<unsigned>(Number(value(), arg));
        else if (arg == "--script") script = value();
        else if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        else if (arg.starts_with("--") || !out.empty()) Fail("unknown argument " + arg);
        else out = arg;
    }
    if (out.empty() || script.empty()) Fail("OUT.wav and --script are needed");
    if (shape.sampleRate < 8000 || shape.sampleRate > 192000 || shape.baudFactor < 0.5 || shape.baudFactor > 2)
        Fail("rate or baud out of range");

    StackmatSignal signal(shape);
    std::stringstream steps(script);
    for (std::string step; std::getline(steps, step, ',');) {
        const auto colon = step.find(':');
        if (colon == std::string::npos || colon == 0) Fail("a step is WHAT:SECONDS: " + step);
        const std::string what = step.substr(0, colon);
        const double seconds = Number(step.substr(colon + 1), step);
        const double rate = shape.sampleRate;
        const std::int64_t begin = signal.length();
        auto elapsed = [&] { return static_cast<double>(signal.length() - begin) / rate; };
        if (what == "gap") {
            signal.idle(seconds);
        } else if (what == "level") {
            signal.setLevel(seconds);
        } else if (what == "run") {
            while (elapsed() < seconds) {
                // The display's figure as the packet goes out.
                signal.packet({' ', static_cast<int>(elapsed() * 1000.0), thousandths});
            }
        } else {
            char status = what[0];
            if (std::string_view("IALRCS").find(status) == std::string_view::npos) Fail("unknown status in " + step);
            const double figure = Number(what.substr(1), step);
            if (figure < 0 || figure > 599999) Fail("figure out of range in " + step);
            if (status == 'S' && stopAsIdle) status = 'I';
            do {
                signal.packet({status, static_cast<int>(figure), thousandths});
            } while (elapsed() < seconds);
        }
    }

    const std::vector<float> samples = signal.samples();
    std::ofstream file(out, std::ios::binary);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const auto rate = static_cast<std::uint32_t>(std::lround(shape.sampleRate));
    file.write("RIFF", 4);
    Put(file, 36 + dataBytes, 4);
    file.write("WAVEfmt ", 8);
    Put(file, 16, 4);
    Put(file, 1, 2);  // PCM
    Put(file, 1, 2);  // mono
    Put(file, rate, 4);
    Put(file, rate * 2, 4);
    Put(file, 2, 2);
    Put(file, 16, 2);
    file.write("data", 4);
    Put(file, dataBytes, 4);
    for (const float x : samples) Put(file, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(x * 32767.0f))), 2);
    file.close();
    if (!file) {
        std::cerr << "stackmat_wav: cannot write " << out << "\n";
        return 1;
    }
    return 0;
}
