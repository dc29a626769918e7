#pragma once

#include <QAbstractNativeEventFilter>

#include "session/key_stamps.h"

namespace cubetimer {

// Keeps the X server's stamp of every key press and release as the event
// arrives, before anything in the toolkit can hold it back (see KeyStamps).
class XcbKeyStamps : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    KeyStamps& stamps() { return stamps_; }

private:
    KeyStamps stamps_;
};

}  // namespace cubetimer
