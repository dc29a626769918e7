#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace cubetimer {

// The four statistics captions as the session frame shows them. The bare
// captions are the report's, in English; the windows hand their own language's.
struct StatisticsTexts {
    std::string best = "Best:";
    std::string worst = "Worst:";
    std::string average = "Average:";
    std::string deviation = "Deviation:";
};

// One run of 5 or 12 solves: the recorded values (kept at whole hundredths, as
// the statistics read them), their scrambles, and the one-DNF rule. It knows
// nothing of windows; the caller shows whatever the outcomes ask for.
class Session {
public:
    enum class Outcome { Recorded, SessionEnded, DnfRefused };

    explicit Session(int size = 12) : size_(size) {}

    // The size may change only while no solve is recorded.
    void setSize(int size);
    int size() const { return size_; }

    Outcome RecordSolve(double value, const std::string& scramble);

    // Gives row `index` a new time; a DNF row that becomes a time frees the DNF
    // allowance again. Returns false when there is no such row or the value is not a time.
    bool ReplaceTime(std::size_t index, double value);

    void Reset();

    std::size_t count() const { return values_.size(); }
    bool full() const { return count() == static_cast<std::size_t>(size_); }
    bool dnfUsed() const { return dnfUsed_; }
    bool empty() const { return values_.empty(); }

    const std::vector<double>& values() const { return values_; }
    const std::vector<std::string>& scrambles() const { return scrambles_; }

    // "00:12.34" or "DNF", as the times list shows the row.
    std::string timeText(std::size_t index, char decimalMark = '.') const;
    std::vector<std::string> timeTexts(char decimalMark = '.') const;
    std::vector<std::string> rawTexts(char decimalMark = '.') const;

    // `captions` with their values after a refresh; the bare captions for an empty session.
    StatisticsTexts statistics(char decimalMark = '.', const StatisticsTexts& captions = {}) const;

private:
    int size_;
    bool dnfUsed_ = false;
    std::vector<double> values_;
    std::vector<std::string> scrambles_;
};

}  // namespace cubetimer
