#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <utility>

#include "platform/win_message_clock.h"
#include "session/key_stamps.h"

namespace cubetimer {

// The instants of the key messages, kept from the moment the program takes
// them off its queue until the toolkit's key events, made from them in the
// same order, ask for them. The toolkit stamps its events with a clock of its
// own when it handles them, so a busy queue would delay them; these stamps
// are the steady clock's milliseconds, as EventInstant reads them.
// The toolkit hands a key event on before the program next waits for
// messages, however long a busy machine holds the program up in between, so
// a stamp is let go only then (or when EventInstant would not take it).
class KeyMessages {
public:
    using Clock = std::chrono::steady_clock;

    explicit KeyMessages(MessageClock clock) : clock_(clock), waiting_(kMaxWait) {}

    // Every message the program takes, with the instant it took it.
    void seen(const MSG& message, std::uint32_t tickCount, Clock::time_point arrived);

    // The stamp for a key event, by its scan code (with the extended-key bit,
    // as the toolkit gives it), carrying `toolkitStamp`; 0 when no message is
    // waiting for it. An event handed up to a parent keeps the stamp it was given.
    std::uint32_t stamp(int scanCode, bool press, std::uint32_t toolkitStamp, Clock::time_point now);

    // The program waits for messages: a message whose key event has not
    // come by now never gets one.
    void idle() { waiting_ = KeyStamps(kMaxWait); }

    const MessageClock& clock() const { return clock_; }

private:
    static constexpr std::chrono::seconds kMaxWait{5};

    MessageClock clock_;
    KeyStamps waiting_;
    std::map<std::pair<int, bool>, std::uint32_t> given_;  // the stamp last given, by key and direction
};

}  // namespace cubetimer
