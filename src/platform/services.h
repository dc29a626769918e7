#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "session/stackmat_decoder.h"

namespace cubetimer {

// Everything the windows need from the desktop: message boxes, file dialogs,
// the clipboard, the beep, the clock, the locale, the browser and the sound input. Windows take
// it by reference, so tests can answer every question with a fake.
class Services {
public:
    enum class Icon { None, Critical, Warning };
    enum class Buttons { Ok, YesNo };  // with Yes and No, Yes is the default
    enum class Answer { Ok, Yes, No };

    virtual ~Services() = default;

    virtual Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) = 0;
    // The chosen path, or empty when the dialog was cancelled.
    virtual std::string openFileName(const std::string& title, const std::string& filter) = 0;
    virtual std::string saveFileName(const std::string& title, const std::string& filter) = 0;
    // Replaces the file whole or leaves it as it was; false when it could not be written.
    virtual bool writeTextFile(const std::string& path, const std::string& text) = 0;
    virtual void setClipboardText(const std::string& text) = 0;
    virtual void beep() = 0;
    virtual void openUrl(const std::string& url) = 0;

    virtual std::chrono::steady_clock::time_point now() = 0;
    // The stamp to time a key event by, in the steady clock's milliseconds, 32
    // bits wide, by its native key code and the stamp the toolkit gave it (0
    // for none): where the toolkit's stamp is the display server's, that one;
    // 0 when the instant the key moved is not known.
    virtual std::uint32_t keyStamp(int nativeKeyCode, bool press, std::uint32_t toolkitStamp) = 0;
    virtual char decimalMark() = 0;
    virtual std::string timeOfDayText() = 0;
    virtual std::string dateText() = 0;

    // The desktop's default sound input, open while the handle lives.
    class SoundInput {
    public:
        virtual ~SoundInput() = default;
    };
    struct SoundInputEvents {
        // A Stackmat's packet, with when its end reached the input (steady clock).
        std::function<void(const StackmatPacket&, std::chrono::steady_clock::time_point arrival)> packet;
        // What the sound server calls the input, once it has said.
        std::function<void(const std::string& description)> source;
    };
    // Reads a Stackmat on the input on a thread of its own; the events come
    // on the caller's thread. Never waits for the sound server.
    virtual std::unique_ptr<SoundInput> openStackmatInput(SoundInputEvents events) = 0;
};

}  // namespace cubetimer
