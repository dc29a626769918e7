#include "platform/xsettings.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace cubetimer {
namespace {

constexpr int kInteger = 0, kString = 1, kColour = 2;

// Writes an XSETTINGS property the way a settings manager does.
struct Property {
    explicit Property(bool big) : bigEndian(big) {}
    bool bigEndian;
    std::string body;
    std::uint32_t count = 0;

    Property& add(int type, const std::string& name, const std::string& value = "") {
        ++count;
        // Type, padding, name, and the serial of the last change.
        number(type, 1).number(0, 1).number(name.size(), 2).padded(name).number(3, 4);
        if (type == kString) return number(value.size(), 4).padded(value);
        if (type == kColour) number(0xFFFF, 4);
        return number(0x8000, 4);
    }
    std::string text() const {
        Property head(bigEndian);
        // Byte order, padding, serial, count.
        head.number(bigEndian ? 1 : 0, 1).number(0, 3).number(7, 4).number(count, 4);
        return head.body + body;
    }
    Property& number(std::size_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            body += static_cast<char>((value >> (8 * (bigEndian ? bytes - 1 - i : i))) & 0xFF);
        }
        return *this;
    }
    Property& padded(const std::string& text) {
        body += text + std::string((4 - text.size() % 4) % 4, '\0');
        return *this;
    }
};

// Numbers and colours are skipped; a property cut short (here in its last
// setting, or in the header and first setting) gives the settings before the cut.
TEST(XSettingsTest, StringsAreReadInEitherByteOrderUpToACut) {
    for (const bool bigEndian : {false, true}) {
        const std::string property = Property(bigEndian)
                                         .add(kInteger, "Net/DoubleClickTime")
                                         .add(kString, "Net/ThemeName", "Adwaita")
                                         .add(kColour, "Gtk/Colour")
                                         .add(kString, "Net/SoundThemeName", "ocean")
                                         .text();
        const std::map<std::string, std::string> theme{{"Net/ThemeName", "Adwaita"}},
            all{{"Net/ThemeName", "Adwaita"}, {"Net/SoundThemeName", "ocean"}};
        EXPECT_EQ(XSettingsStrings(property), all) << bigEndian;
        for (std::size_t cut : {property.size() - 1, property.size() - 8, property.size() - 20}) {
            EXPECT_EQ(XSettingsStrings(property.substr(0, cut)), theme) << bigEndian << " " << cut;
        }
        for (std::size_t cut : {std::size_t{0}, std::size_t{11}, std::size_t{20}}) {
            EXPECT_TRUE(XSettingsStrings(property.substr(0, cut)).empty()) << bigEndian << " " << cut;
        }
    }
}

}  // namespace
}  // namespace cubetimer
