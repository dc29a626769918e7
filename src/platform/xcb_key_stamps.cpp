#include "platform/xcb_key_stamps.h"

#include <QByteArray>
#include <xcb/xcb.h>

#include <chrono>

namespace cubetimer {

bool XcbKeyStamps::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The top bit marks events sent by another client; they are keys all the same.
    const auto type = event->response_type & 0x7f;
    if (type == XCB_KEY_PRESS || type == XCB_KEY_RELEASE) {
        // A release is the same structure as a press.
        const auto* key = static_cast<const xcb_key_press_event_t*>(message);
        stamps_.record(key->detail, type == XCB_KEY_PRESS, key->time, std::chrono::steady_clock::now());
    }
    return false;
}

}  // namespace cubetimer
