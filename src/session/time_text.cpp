#include "session/time_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace cubetimer {

namespace {

std::string TwoDigits(std::int64_t n) {
    std::string text = std::to_string(n);
    if (text.size() < 2) text.insert(text.begin(), '0');
    return text;
}

std::optional<int> Digits(std::string_view text) {
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        if (value > 100'000'000) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::int64_t ToHundredths(double seconds) {
    if (!std::isfinite(seconds)) return 0;
    const double magnitude = std::fabs(seconds);
    // Far beyond any solve; keeps the integer conversion defined.
    if (magnitude >= 1e15) return seconds < 0 ? -100'000'000'000'000'000 : 100'000'000'000'000'000;
    // Below a thousandth nothing can round up, and the fixed text would be long.
    if (magnitude < 1e-3) return 0;

    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
    if (result.ec != std::errc{}) return 0;
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));

    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);

    std::int64_t hundredths = 0;
    for (char c : whole) hundredths = hundredths * 10 + (c - '0');
    for (std::size_t i = 0; i < 2; ++i) hundredths = hundredths * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    if (fraction.size() > 2 && fraction[2] >= '5') ++hundredths;
    return seconds < 0 ? -hundredths : hundredths;
}

std::string FormatTime(double seconds, char decimalMark) {
    std::int64_t hundredths = ToHundredths(seconds);
    std::string text;
    if (hundredths < 0) {
        text.push_back('-');
        hundredths = -hundredths;
    }
    const std::int64_t minutes = hundredths / 6000;
    const std::int64_t rest = hundredths % 6000;
    text.append(TwoDigits(minutes)).append(1, ':').append(TwoDigits(rest / 100));
    text.append(1, decimalMark).append(TwoDigits(rest % 100));
    return text;
}

std::optional<double> ParseTime(std::string_view text, char decimalMark) {
    // MM...:SS.CC -- the last six characters are ":SS" + mark + "CC".
    if (text.size() < 8) return std::nullopt;
    const std::size_t colon = text.size() - 6;
    if (text[colon] != ':' || text[colon + 3] != decimalMark) return std::nullopt;
    const auto minutes = Digits(text.substr(0, colon));
    const auto secs = Digits(text.substr(colon + 1, 2));
    const auto cents = Digits(text.substr(colon + 4, 2));
    if (!minutes || !secs || !cents || *secs >= 60) return std::nullopt;
    const std::int64_t hundredths = (static_cast<std::int64_t>(*minutes) * 60 + *secs) * 100 + *cents;
    return static_cast<double>(hundredths) / 100.0;
}

std::string RawTimeText(double seconds, char decimalMark) {
    if (seconds == kDnf) return "-1";
    const std::int64_t hundredths = ToHundredths(seconds);
    const std::int64_t magnitude = std::llabs(hundredths);
    std::string text = hundredths < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    text += decimalMark;
    const std::int64_t cents = magnitude % 100;
    if (cents != 0) {
        text += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0) text += static_cast<char>('0' + cents % 10);
    }
    return text;
}

std::string FormatSeconds(double seconds, char decimalMark) {
    const std::int64_t hundredths = ToHundredths(seconds);
    const std::int64_t magnitude = std::llabs(hundredths);
    std::string text;
    if (hundredths < 0) text.push_back('-');
    text.append(std::to_string(magnitude / 100)).append(1, decimalMark).append(TwoDigits(magnitude % 100));
    return text;
}

std::string ZeroDisplay(char decimalMark) { return FormatTime(0.0, decimalMark); }

}  // namespace cubetimer
