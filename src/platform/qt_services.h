#pragma once

#include "platform/beep_worker.h"
#include "platform/services.h"

class QWidget;

namespace cubetimer {

// The real desktop, through Qt.
class QtServices : public Services {
public:
    // Starts connecting to the sound server in the background.
    QtServices();

    Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override;
    std::string openFileName(const std::string& title, const std::string& filter) override;
    std::string saveFileName(const std::string& title, const std::string& filter) override;
    bool writeTextFile(const std::string& path, const std::string& text) override;
    void setClipboardText(const std::string& text) override;
    void beep() override;
    void openUrl(const std::string& url) override;

    std::chrono::steady_clock::time_point now() override;
    char decimalMark() override;
    std::string timeOfDayText() override;
    std::string dateText() override;

private:
    BeepWorker beeper_;
};

}  // namespace cubetimer
