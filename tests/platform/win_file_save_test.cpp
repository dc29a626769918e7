#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

#include "platform/file_save.h"

namespace cubetimer {
namespace {

namespace fs = std::filesystem;

const std::string kOld = "##--  old results  --##\r\n1)  00:12.34\r\n";
const std::string kReport = "##--  Session  --##\r\n" + std::string(3000, 'r') + "\r\n";

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// The names in a folder, as Windows lists them.
std::vector<std::wstring> Names(const fs::path& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().wstring());
    return names;
}

class WinFileSaveTest : public testing::Test {
protected:
    void SetUp() override {
        wchar_t base[MAX_PATH];
        ASSERT_GT(GetTempPathW(MAX_PATH, base), 0u);
        folder_ = fs::path(base) / (L"file-save-" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(folder_);
        ASSERT_TRUE(fs::create_directories(folder_));
        target_ = folder_ / L"results.txt";
    }
    void TearDown() override {
        SetFileAttributesW(target_.c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(folder_);
    }
    void ExpectOnlyTheOldFile() {
        EXPECT_EQ(Read(target_), kOld);
        EXPECT_EQ(Names(folder_), std::vector<std::wstring>{L"results.txt"});
    }

    fs::path folder_, target_;
};

TEST_F(WinFileSaveTest, ReplacesAFileWholeAndByteForByte) {
    Write(target_, kOld);
    ASSERT_TRUE(SetFileAttributesW(target_.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SaveFileWhole(Utf8(target_), kReport));
    EXPECT_EQ(Read(target_), kReport);  // CR LF stays CR LF
    // The replaced file keeps its own attributes; nothing is left beside it.
    EXPECT_EQ(GetFileAttributesW(target_.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(Names(folder_), std::vector<std::wstring>{L"results.txt"});
}

TEST_F(WinFileSaveTest, ANewFileTakesAUnicodeNameGivenWithEitherSlash) {
    // The name as the file dialog gives it: UTF-8, with forward slashes.
    const fs::path folder = LR"(C:\Übung)";
    fs::remove_all(folder);
    ASSERT_TRUE(fs::create_directory(folder));
    const std::string name = "C:/\xC3\x9C" "bung/R\xC3\xA9sum\xC3\xA9 3x3.txt";
    const bool saved = SaveFileWhole(name, kReport);
    const std::vector<std::wstring> names = Names(folder);
    const std::string text = Read(folder / L"Résumé 3x3.txt");
    fs::remove_all(folder);
    EXPECT_TRUE(saved);
    EXPECT_EQ(names, std::vector<std::wstring>{L"Résumé 3x3.txt"});
    EXPECT_EQ(text, kReport);
}

TEST_F(WinFileSaveTest, FilesThatMayNotChangeKeepTheirOldText) {
    Write(target_, kOld);
    ASSERT_TRUE(SetFileAttributesW(target_.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(SaveFileWhole(Utf8(target_), kReport)) << "read-only";
    ExpectOnlyTheOldFile();
    ASSERT_TRUE(SetFileAttributesW(target_.c_str(), FILE_ATTRIBUTE_NORMAL));

    // Another program reading it, without letting it be deleted or renamed.
    const HANDLE held = CreateFileW(target_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(SaveFileWhole(Utf8(target_), kReport)) << "held open";
    CloseHandle(held);
    ExpectOnlyTheOldFile();

    EXPECT_FALSE(SaveFileWhole(Utf8(folder_), kReport)) << "a folder";
    EXPECT_FALSE(SaveFileWhole(Utf8(folder_ / L"missing" / L"results.txt"), kReport)) << "no such folder";
    EXPECT_FALSE(SaveFileWhole("", kReport)) << "no name";
    EXPECT_FALSE(SaveFileWhole("C:/bad\xFF.txt", kReport)) << "not UTF-8";
    ExpectOnlyTheOldFile();
}

// A drive with little room, which tests/platform/win_full_disk.sh mounts and names.
TEST(WinFileSaveFullDiskTest, AFullDiskKeepsTheOldFile) {
    const char* drive = std::getenv("CUBETIMER_FULL_DRIVE");
    if (drive == nullptr) GTEST_SKIP() << "no full drive given: run through tests/platform/win_full_disk.sh";
    const fs::path target = fs::path(drive) / L"results.txt";
    Write(target, kOld);
    ASSERT_EQ(Read(target), kOld);
    // Fill what room is left.
    std::ofstream(fs::path(drive) / L"filler", std::ios::binary) << std::string(64 * 1024, 'f');
    const bool saved = SaveFileWhole(Utf8(target), std::string(32 * 1024, 'n'));
    EXPECT_FALSE(saved);
    EXPECT_EQ(Read(target), kOld);
    std::vector<std::wstring> names = Names(drive);
    EXPECT_EQ(names.size(), 2u) << "left behind beside results.txt and filler";
}

}  // namespace
}  // namespace cubetimer
