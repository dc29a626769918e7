#include "session/session.h"

#include "session/statistics.h"
#include "session/time_text.h"

namespace cubetimer {

namespace {

double AtHundredths(double value) {
    return value == kDnf ? kDnf : static_cast<double>(ToHundredths(value)) / 100.0;
}

}  // namespace

void Session::setSize(int size) {
    if (values_.empty()) size_ = size;
}

Session::Outcome Session::RecordSolve(double value, const std::string& scramble) {
    if (value == kDnf) {
        if (dnfUsed_) return Outcome::DnfRefused;
        dnfUsed_ = true;
    }
    values_.push_back(AtHundredths(value));
    scrambles_.push_back(scramble);
    return full() ? Outcome::SessionEnded : Outcome::Recorded;
}

bool Session::ReplaceTime(std::size_t index, double value) {
    if (index >= values_.size() || value == kDnf || value < 0) return false;
    if (values_[index] == kDnf) dnfUsed_ = false;
    values_[index] = AtHundredths(value);
    return true;
}

void Session::Reset() {
    dnfUsed_ = false;
    values_.clear();
    scrambles_.clear();
}

std::string Session::timeText(std::size_t index, char decimalMark) const {
    const double value = values_.at(index);
    return value == kDnf ? "DNF" : FormatTime(value, decimalMark);
}

std::vector<std::string> Session::timeTexts(char decimalMark) const {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < values_.size(); ++i) texts.push_back(timeText(i, decimalMark));
    return texts;
}

std::vector<std::string> Session::rawTexts(char decimalMark) const {
    std::vector<std::string> texts;
    for (double value : values_) texts.push_back(RawTimeText(value, decimalMark));
    return texts;
}

StatisticsTexts Session::statistics(char decimalMark, const StatisticsTexts& captions) const {
    StatisticsTexts texts = captions;
    if (values_.empty()) return texts;
    const double worst = WorstTime(values_);
    texts.best.append(" ").append(FormatTime(BestTime(values_), decimalMark));
    texts.worst.append(" ").append(worst == kDnf ? std::string("DNF") : FormatTime(worst, decimalMark));
    texts.average.append(" ").append(FormatTime(AverageTime(values_, full(), size_), decimalMark));
    texts.deviation.append(" ").append(FormatSeconds(Deviation(values_), decimalMark));
    return texts;
}

}  // namespace cubetimer

