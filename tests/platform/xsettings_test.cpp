#include "platform/xsettings.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace cubetimer {
namespace {

// Writes an XSETTINGS property the way a settings manager does.
class Property {
public:
    explicit Property(bool bigEndian) : bigEndian_(bigEndian) {
        bytes_ += static_cast<char>(bigEndian ? 1 : 0);
        bytes_ += std::string(3, '\0');
        number(7, 4);  // serial
        number(0, 4);  // count, filled in by text()
    }
    Property& add(int type, const std::string& name) {
        ++count_;
        number(static_cast<std::uint32_t>(type), 1);
        number(0, 1);
        number(static_cast<std::uint32_t>(name.size()), 2);
        padded(name);
        number(3, 4);  // serial of the last change
        return *this;
    }
    Property& integer(const std::string& name) { add(0, name).number(42, 4); return *this; }
    Property& colour(const std::string& name) { add(2, name).number(0xFFFF, 4).number(0x8000, 4); return *this; }
    Property& string(const std::string& name, const std::string& value) {
        add(1, name).number(static_cast<std::uint32_t>(value.size()), 4).padded(value);
        return *this;
    }
    std::string text() const {
        std::string out = bytes_;
        for (int i = 0; i < 4; ++i) {
            out[8 + i] = static_cast<char>((count_ >> (8 * (bigEndian_ ? 3 - i : i))) & 0xFF);
        }
        return out;
    }

private:
    Property& number(std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            bytes_ += static_cast<char>((value >> (8 * (bigEndian_ ? bytes - 1 - i : i))) & 0xFF);
        }
        return *this;
    }
    Property& padded(const std::string& text) {
        bytes_ += text;
        bytes_ += std::string((4 - text.size() % 4) % 4, '\0');
        return *this;
    }

    bool bigEndian_;
    std::string bytes_;
    std::uint32_t count_ = 0;
};

TEST(XSettingsTest, StringsAreReadInEitherByteOrderPastNumbersAndColours) {
    for (const bool bigEndian : {false, true}) {
        const std::string property = Property(bigEndian)
                                         .integer("Net/DoubleClickTime")
                                         .string("Net/ThemeName", "Adwaita")
                                         .colour("Gtk/Colour")
                                         .string("Net/SoundThemeName", "ocean")
                                         .text();
        const std::map<std::string, std::string> want{{"Net/SoundThemeName", "ocean"}, {"Net/ThemeName", "Adwaita"}};
        EXPECT_EQ(XSettingsStrings(property), want) << bigEndian;
    }
}

TEST(XSettingsTest, APropertyCutShortGivesTheSettingsBeforeTheCut) {
    const std::string property =
        Property(false).string("Net/ThemeName", "Adwaita").string("Net/SoundThemeName", "ocean").text();
    const std::map<std::string, std::string> first{{"Net/ThemeName", "Adwaita"}};
    for (std::size_t cut : {property.size() - 1, property.size() - 8, property.size() - 20}) {
        EXPECT_EQ(XSettingsStrings(property.substr(0, cut)), first) << cut;
    }
    for (std::size_t cut : {std::size_t{0}, std::size_t{11}, std::size_t{20}}) {
        EXPECT_TRUE(XSettingsStrings(property.substr(0, cut)).empty()) << cut;
    }
}

}  // namespace
}  // namespace cubetimer
