#pragma once

#include <map>
#include <string>
#include <string_view>

namespace cubetimer {

// The string settings in an XSETTINGS property (the desktop's settings that
// an X client reads from the settings manager), by name. Numbers and colours
// are left out; a property cut short gives the settings before the cut.
std::map<std::string, std::string> XSettingsStrings(std::string_view property);

// The sound theme the desktop's settings manager names ("Net/SoundThemeName"),
// read from the X server in DISPLAY; empty where there is none.
std::string DesktopSoundTheme();

}  // namespace cubetimer
