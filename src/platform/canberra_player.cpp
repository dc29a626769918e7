#include "platform/canberra_player.h"

#include "platform/tone.h"
#include "platform/xsettings.h"

#include <canberra.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace cubetimer {

namespace {

// The theme's name for the warning; themes without it fall back to "bell".
constexpr const char* kWarningEvent = "bell-window-system";
constexpr const char* kToneEvent = "quorvanta-timer-countdown";

// Written next to the user's other run-time files, gone at logout.
std::string WriteToneFile() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::string path = std::string(runtime != nullptr && *runtime != '\0' ? runtime : "/tmp") +
                       "/quorvanta-timer-beep-XXXXXX.wav";
    const int fd = mkstemps(path.data(), 4);
    if (fd < 0) return {};
    const std::string wav = ToneWav(1500, 150);
    const bool written = write(fd, wav.data(), wav.size()) == static_cast<ssize_t>(wav.size());
    close(fd);
    if (!written) {
        unlink(path.c_str());
        return {};
    }
    return path;
}

}  // namespace

CanberraPlayer::~CanberraPlayer() {
    closeContext();
    if (!toneFile_.empty()) unlink(toneFile_.c_str());
}

void CanberraPlayer::closeContext() {
    if (context_ != nullptr) ca_context_destroy(context_);
    context_ = nullptr;
}

bool CanberraPlayer::connect() {
    closeContext();
    if (ca_context_create(&context_) != CA_SUCCESS) {
        context_ = nullptr;
        return false;
    }
    // Through the sound server only: a bare sound card gives no error that
    // tells a missing card from a missing sound, and then nothing would ring.
    ca_context_set_driver(context_, "pulse");
    ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "quorvanta-timer", CA_PROP_APPLICATION_ID,
                            "example.quorvanta.RubiksTimer", nullptr);
    // The theme the user chose; libcanberra's own default is "freedesktop".
    if (const std::string theme = DesktopSoundTheme(); !theme.empty()) {
        ca_context_change_props(context_, CA_PROP_CANBERRA_XDG_THEME_NAME, theme.c_str(), nullptr);
    }
    if (ca_context_open(context_) != CA_SUCCESS) {
        closeContext();
        return false;
    }
    // Uploading the sound now puts the first beep on time.
    if (toneFile_.empty() && ca_context_cache(context_, CA_PROP_EVENT_ID, kWarningEvent, nullptr) == CA_ERROR_NOTFOUND) {
        toneFile_ = WriteToneFile();
    }
    // Our tone may leave the server's cache with us; the theme's sound is shared.
    if (!toneFile_.empty()) {
        ca_context_cache(context_, CA_PROP_EVENT_ID, kToneEvent, CA_PROP_MEDIA_FILENAME, toneFile_.c_str(),
                         CA_PROP_CANBERRA_CACHE_CONTROL, "volatile", nullptr);
    }
    return true;
}

bool CanberraPlayer::play() {
    if (context_ == nullptr) return false;
    const int result =
        toneFile_.empty()
            ? ca_context_play(context_, 0, CA_PROP_EVENT_ID, kWarningEvent, CA_PROP_EVENT_DESCRIPTION,
                              "Countdown", nullptr)
            : ca_context_play(context_, 0, CA_PROP_EVENT_ID, kToneEvent, CA_PROP_MEDIA_FILENAME,
                              toneFile_.c_str(), CA_PROP_CANBERRA_CACHE_CONTROL, "volatile",
                              CA_PROP_EVENT_DESCRIPTION, "Countdown", nullptr);
    // A sound the server could not find or decode still leaves it answering.
    return result != CA_ERROR_DISCONNECTED && result != CA_ERROR_STATE && result != CA_ERROR_NOTAVAILABLE;
}

}  // namespace cubetimer
