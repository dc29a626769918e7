#pragma once

#include <memory>

#include <QString>

#include "platform/beep_worker.h"
#include "platform/services.h"

class QWidget;

namespace cubetimer {

// The real desktop, through Qt.
class QtServices : public Services {
public:
    // Call with the application made: starts connecting to the sound server
    // in the background, and starts keeping the key stamps where the
    // toolkit's own do not tell when a key moved.
    QtServices();
    ~QtServices() override;

    Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override;
    std::string openFileName(const std::string& title, const std::string& filter) override;
    std::string saveFileName(const std::string& title, const std::string& filter) override;
    bool writeTextFile(const std::string& path, const std::string& text) override;
    void setClipboardText(const std::string& text) override;
    void beep() override;
    void openUrl(const std::string& url) override;

    std::chrono::steady_clock::time_point now() override;
    std::uint32_t keyStamp(int nativeKeyCode, bool press, std::uint32_t toolkitStamp) override;
    char decimalMark() override;
    std::string timeOfDayText() override;
    std::string dateText() override;
    std::unique_ptr<SoundInput> openStackmatInput(SoundInputEvents events) override;

private:
    // What each desktop does its own way, in qt_services_<desktop>.cpp.
    struct Native;
    // The desktop's own file dialog, to open or to save, in `folder`: the
    // chosen path as typed, or empty. It neither asks about replacing a file
    // nor adds a suffix, and keeps nothing in the user's settings.
    static QString fileDialog(bool save, const QString& title, const QString& filter, const QString& folder);
    std::string chooseFile(bool save, const std::string& title, const std::string& filter);

    BeepWorker beeper_;
    std::unique_ptr<Native> native_;
    // Where the last file chosen in this run is; empty before the first.
    QString folder_;
};

}  // namespace cubetimer
