#pragma once

#include "cube/describe.h"
#include "session/session.h"
#include "session/spoken.h"

namespace cubetimer {

// The words the logic builds its texts from, in the user's language: the
// statistics captions of the session frame, the cube pictures' descriptions
// and the spoken sentences. The report keeps the logic's English ones.
StatisticsTexts StatisticsCaptions();
CubeWords CubeWordsTranslated();
SpokenWords SpokenWordsTranslated();

}  // namespace cubetimer
