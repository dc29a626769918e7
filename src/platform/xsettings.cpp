#include "platform/xsettings.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace cubetimer {

namespace {

class Reader {
public:
    Reader(std::string_view data, bool bigEndian) : data_(data), bigEndian_(bigEndian) {}
    bool has(std::size_t bytes) const { return data_.size() - at_ >= bytes; }
    std::uint32_t number(int bytes) {
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            const auto byte = static_cast<std::uint8_t>(data_[at_ + (bigEndian_ ? i : bytes - 1 - i)]);
            value = (value << 8) | byte;
        }
        at_ += bytes;
        return value;
    }
    std::string_view text(std::size_t length) {
        const std::string_view part = data_.substr(at_, length);
        at_ += (length + 3) / 4 * 4;  // padded to four bytes
        return part;
    }
    void skip(std::size_t bytes) { at_ += bytes; }

private:
    std::string_view data_;
    bool bigEndian_;
    std::size_t at_ = 0;
};

}  // namespace

std::map<std::string, std::string> XSettingsStrings(std::string_view property) {
    std::map<std::string, std::string> settings;
    if (property.size() < 12) return settings;
    Reader reader(property, property[0] != 0);
    reader.skip(8);  // byte order, padding, serial
    const std::uint32_t count = reader.number(4);
    for (std::uint32_t i = 0; i < count && reader.has(4); ++i) {
        const std::uint32_t type = reader.number(1);
        reader.skip(1);
        const std::uint32_t nameLength = reader.number(2);
        if (!reader.has((nameLength + 3) / 4 * 4 + 4)) break;
        const std::string_view name = reader.text(nameLength);
        reader.skip(4);  // serial of the last change
        if (type == 0) {  // integer
            if (!reader.has(4)) break;
            reader.skip(4);
        } else if (type == 1) {
            if (!reader.has(4)) break;
            const std::uint32_t length = reader.number(4);
            if (!reader.has((static_cast<std::size_t>(length) + 3) / 4 * 4)) break;
            settings.emplace(name, reader.text(length));
        } else if (type == 2) {  // colour
            if (!reader.has(8)) break;
            reader.skip(8);
        } else {
            break;
        }
    }
    return settings;
}

std::string DesktopSoundTheme() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') return {};
    int screen = 0;
    const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> x(xcb_connect(display, &screen),
                                                                          xcb_disconnect);
    if (xcb_connection_has_error(x.get()) != 0) return {};
    auto atom = [&](const std::string& name) {
        const std::unique_ptr<xcb_intern_atom_reply_t, void (*)(void*)> reply(
            xcb_intern_atom_reply(x.get(), xcb_intern_atom(x.get(), 0, name.size(), name.c_str()), nullptr),
            std::free);
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    };
    const xcb_atom_t selection = atom("_XSETTINGS_S" + std::to_string(screen));
    const xcb_atom_t settings = atom("_XSETTINGS_SETTINGS");
    const std::unique_ptr<xcb_get_selection_owner_reply_t, void (*)(void*)> owner(
        xcb_get_selection_owner_reply(x.get(), xcb_get_selection_owner(x.get(), selection), nullptr), std::free);
    if (!owner || owner->owner == XCB_WINDOW_NONE) return {};
    const std::unique_ptr<xcb_get_property_reply_t, void (*)(void*)> property(
        xcb_get_property_reply(x.get(), xcb_get_property(x.get(), 0, owner->owner, settings, settings, 0, 1 << 20),
                               nullptr),
        std::free);
    if (!property) return {};
    const std::string_view blob(static_cast<const char*>(xcb_get_property_value(property.get())),
                                static_cast<std::size_t>(xcb_get_property_value_length(property.get())));
    const auto strings = XSettingsStrings(blob);
    const auto theme = strings.find("Net/SoundThemeName");
    return theme == strings.end() ? std::string() : theme->second;
}

}  // namespace cubetimer
