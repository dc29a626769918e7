#pragma once

#include "platform/beep_worker.h"

#include <string>

struct ca_context;

namespace cubetimer {

// The desktop's warning sound from the sound theme its settings name, played
// through the sound server. Where the theme has no warning sound, a short
// tone of our own.
class CanberraPlayer : public BeepPlayer {
public:
    CanberraPlayer() = default;
    ~CanberraPlayer() override;
    CanberraPlayer(const CanberraPlayer&) = delete;
    CanberraPlayer& operator=(const CanberraPlayer&) = delete;

    bool connect() override;
    bool play() override;

private:
    void closeContext();

    ca_context* context_ = nullptr;
    std::string toneFile_;  // our own tone, written once when the theme has none
};

}  // namespace cubetimer
