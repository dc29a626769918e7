#include "session/statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "session/time_text.h"

namespace cubetimer {

namespace {

struct Totals {
    std::int64_t sum = 0;  // hundredths
    int timed = 0;
    bool dnf = false;
};

Totals Sum(std::span<const double> solves) {
    Totals totals;
    for (double value : solves) {
        if (value == kDnf) {
            totals.dnf = true;
        } else {
            totals.sum += ToHundredths(value);
            ++totals.timed;
        }
    }
    return totals;
}

double Mean(std::int64_t hundredths, int count) {
    return count <= 0 ? 0.0 : static_cast<double>(hundredths) / (100.0 * count);
}

}  // namespace

double BestTime(std::span<const double> solves) {
    bool found = false;
    std::int64_t best = 0;
    for (double value : solves) {
        if (value == kDnf) continue;
        const std::int64_t hundredths = ToHundredths(value);
        if (!found || hundredths < best) best = hundredths;
        found = true;
    }
    return static_cast<double>(best) / 100.0;
}

double WorstTime(std::span<const double> solves) {
    std::int64_t worst = 0;
    for (double value : solves) {
        if (value == kDnf) return kDnf;
        const std::int64_t hundredths = ToHundredths(value);
        if (hundredths > worst) worst = hundredths;
    }
    return static_cast<double>(worst) / 100.0;
}

double AverageTime(std::span<const double> solves, bool full, int sessionSize) {
    const Totals totals = Sum(solves);
    if (!full) return Mean(totals.sum, totals.timed);
    std::int64_t sum = totals.sum - ToHundredths(BestTime(solves));
    if (!totals.dnf) sum -= ToHundredths(WorstTime(solves));
    return Mean(sum, sessionSize - 2);
}

double Deviation(std::span<const double> solves) {
    const Totals totals = Sum(solves);
    const int n = totals.timed;
    if (n < 2) return 0.0;
    // Sum of squared distances from the mean, n * sum(x^2) - (sum x)^2 over n,
    // kept in hundredths so the mean needs no rounding.
    double squares = 0.0;
    for (double value : solves) {
        if (value == kDnf) continue;
        const double x = static_cast<double>(ToHundredths(value));
        squares += x * x;
    }
    const double sum = static_cast<double>(totals.sum);
    const double spread = (n * squares - sum * sum) / n;
    return std::sqrt(std::max(spread, 0.0) / (n - 1)) / 100.0;
}

}  // namespace cubetimer
