#pragma once

#include <string>

#include "session/session.h"

namespace cubetimer {

inline constexpr const char* kReportHeader = "##--  Quorvanta Rubik's Timer Details  --##";

// The session report: CR LF after every line, the header, the time and date,
// the four statistics and one row per solve with its scramble.
std::string ReportText(const Session& session, const std::string& timeOfDay, const std::string& date,
                       char decimalMark = '.');

// What the report holds after a session reset: the header and an empty line.
std::string EmptyReportText();

}  // namespace cubetimer
