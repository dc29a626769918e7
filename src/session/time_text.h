#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cubetimer {

// The solve-time value that marks a solve as not finished.
inline constexpr double kDnf = -1.0;

// A time rounded to whole hundredths of a second, halves away from zero.
// The double is read as the shortest decimal that stands for it, so 1.005
// and a mean of 11.335 round up although their binary values lie a hair below.
std::int64_t ToHundredths(double seconds);

// "01:23.46": at least two minute digits; a rounded 60.00 s carries into the minutes.
std::string FormatTime(double seconds, char decimalMark = '.');

// Reads a time text "MM:SS.CC" (two or more minute digits, seconds below 60).
// Returns no value for any text it cannot read.
std::optional<double> ParseTime(std::string_view text, char decimalMark = '.');

// The raw form kept for arithmetic: "83.46", "12." (the mark stays), "0.5", "-1" for a DNF.
std::string RawTimeText(double seconds, char decimalMark = '.');

// Plain seconds with exactly two decimals, "1.58".
std::string FormatSeconds(double seconds, char decimalMark = '.');

// The time display after a reset: "00:00.00" with the locale's mark.
std::string ZeroDisplay(char decimalMark = '.');

}  // namespace cubetimer
