#pragma once

#include "cube/describe.h"
#include "session/session.h"

namespace cubetimer {

// The words the logic builds its texts from, in the user's language: the
// statistics captions of the session frame and the cube pictures' descriptions.
// The report keeps the logic's English ones.
StatisticsTexts StatisticsCaptions();
CubeWords CubeWordsTranslated();

}  // namespace cubetimer
