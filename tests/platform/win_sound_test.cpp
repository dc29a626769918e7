#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#include "platform/tone.h"
#include "platform/win_sound_player.h"

namespace cubetimer {
namespace {

namespace fs = std::filesystem;

// An event of our own in the scheme, so the prefix's real sounds stay as they are.
const std::wstring kEvent = L"QuorvantaTimerTest";
const std::wstring kEventKey = L"AppEvents\\Schemes\\Apps\\.Default\\" + kEvent;

class SchemeTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
        sound_ = fs::path(temp) / L"Übung warning.wav";
        std::ofstream(sound_, std::ios::binary) << ToneWav(1000, 10);
        wchar_t windows[MAX_PATH];
        ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
        media_ = fs::path(windows) / L"Media";
        fs::create_directories(media_);
        std::ofstream(media_ / L"quorvanta test.wav", std::ios::binary) << ToneWav(1000, 10);
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kEventKey.c_str());
        fs::remove(sound_);
        fs::remove(media_ / L"quorvanta test.wav");
    }
    void SetCurrent(DWORD type, const std::wstring& value) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, (kEventKey + L"\\.Current").c_str(), nullptr, type,
                                  value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

    fs::path sound_, media_;
};

TEST_F(SchemeTest, FindsTheFileTheSchemeNamesAndOnlyWhereItIsThere) {
    EXPECT_EQ(SchemeSoundFile(kEvent), L"") << "no key";
    struct Case {
        const char* name;
        DWORD type;
        std::wstring value;
        std::wstring expected;
    };
    const Case cases[] = {
        {"no sound", REG_SZ, L"", L""},
        {"a file that is gone", REG_SZ, sound_.wstring() + L".gone", L""},
        {"a full name", REG_SZ, sound_.wstring(), sound_.wstring()},
        {"a name with a variable in it", REG_EXPAND_SZ, L"%TEMP%\\Übung warning.wav", sound_.wstring()},
        {"a bare name, among Windows' sounds", REG_SZ, L"quorvanta test.wav",
         (media_ / L"quorvanta test.wav").wstring()},
        {"a bare name Windows does not have", REG_SZ, L"quorvanta gone.wav", L""},
    };
    for (const Case& c : cases) {
        SetCurrent(c.type, c.value);
        EXPECT_EQ(fs::path(SchemeSoundFile(kEvent)), fs::path(c.expected)) << c.name;
    }
}

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

TEST(ToneTest, TheToneIsFollowedByTheSilenceAndItsSizesAddUp) {
    const std::string wav = ToneWav(1500, 150, 500);
    ASSERT_EQ(wav.size(), 44u + 2 * 48000 * 650 / 1000);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(LittleEndian(wav, 4, 4), wav.size() - 8);
    EXPECT_EQ(LittleEndian(wav, 24, 4), 48000u);
    EXPECT_EQ(LittleEndian(wav, 40, 4), wav.size() - 44);
    const std::size_t toneEnd = 44 + 2 * 48000 * 150 / 1000;
    int loudest = 0;
    for (std::size_t at = 44; at < toneEnd; at += 2)
        loudest = std::max(loudest, std::abs(static_cast<std::int16_t>(LittleEndian(wav, at, 2))));
    EXPECT_NEAR(loudest, 16383, 50);
    EXPECT_EQ(wav.find_first_not_of('\0', toneEnd), std::string::npos);
}

// Under Wine with a sound server: the beep starts and the call returns long
// before the tone and its silence have played.
TEST(WinSoundPlayerTest, PlayingDoesNotWaitForTheSound) {
    WinSoundPlayer player;
    if (!player.connect()) GTEST_SKIP() << "no sound device here";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(player.play());
    EXPECT_TRUE(player.play());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
}

}  // namespace
}  // namespace cubetimer
