#include "session/report.h"

namespace cubetimer {

namespace {
constexpr const char* kLineEnd = "\r\n";
}

std::string ReportText(const Session& session, const std::string& timeOfDay, const std::string& date,
                       char decimalMark) {
    const StatisticsTexts stats = session.statistics(decimalMark);
    std::string text;
    text += std::string(kReportHeader) + kLineEnd + kLineEnd;
    text += timeOfDay + "  " + date + kLineEnd + kLineEnd;
    text += stats.best + kLineEnd;
    text += stats.worst + kLineEnd;
    text += stats.average + (session.full() ? " (full session)" : " (partial session)") + kLineEnd;
    text += stats.deviation + kLineEnd + kLineEnd;
    for (std::size_t i = 0; i < session.count(); ++i) {
        const std::string time = session.timeText(i, decimalMark);
        text += std::to_string(i + 1) + ")  " + (time == "DNF" ? "DNF       " : time + "  ") + session.scrambles()[i] +
                kLineEnd;
    }
    return text;
}

std::string EmptyReportText() { return std::string(kReportHeader) + kLineEnd + kLineEnd; }

}  // namespace cubetimer
