#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

#include "platform/file_save.h"

namespace cubetimer {
namespace {

namespace fs = std::filesystem;

const std::string kOld = "##--  old results  --##\r\n1)  00:12.34\r\n";
const std::string kReport(2000, 'r');

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A fresh folder per test; on request a small tmpfs of its own, which needs root.
class FileSaveTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "file-save-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
        fs::remove_all(folder_);
    }
    // False, with the reason in `why_`, where this machine does not let the test mount.
    bool MountTmpfs(const char* options) {
        if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options) != 0) {
            why_ = std::string("cannot mount a tmpfs here (") + std::strerror(errno) + "); run as root to test this";
            return false;
        }
        mounted_ = true;
        return true;
    }
    void ExpectOnlyOldFile() {
        EXPECT_EQ(Read(folder_ / "results.txt"), kOld);
        for (const auto& entry : fs::directory_iterator(folder_))
            EXPECT_TRUE(entry.path().filename() == "results.txt" || entry.path().filename() == "filler")
                << "left behind: " << entry.path();
    }

    fs::path folder_;
    bool mounted_ = false;
    std::string why_;
};

TEST_F(FileSaveTest, ReplacesAnExistingFileWholeKeepingItsRights) {
    Write(folder_ / "results.txt", kOld + kOld + kOld);
    fs::permissions(folder_ / "results.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(SaveFileWhole((folder_ / "results.txt").string(), kReport));
    EXPECT_EQ(Read(folder_ / "results.txt"), kReport);
    EXPECT_EQ(fs::status(folder_ / "results.txt").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FileSaveTest, ALinkIsFollowedAndStaysALink) {
    Write(folder_ / "results.txt", kOld);
    fs::create_symlink("results.txt", folder_ / "latest.txt");
    ASSERT_TRUE(SaveFileWhole((folder_ / "latest.txt").string(), kReport));
    EXPECT_TRUE(fs::is_symlink(folder_ / "latest.txt"));
    EXPECT_EQ(Read(folder_ / "results.txt"), kReport);
}

TEST_F(FileSaveTest, PathsThatCannotBeFilesFailAndWriteNothing) {
    Write(folder_ / "results.txt", kOld);
    fs::create_directory(folder_ / "folder.txt");
    for (const fs::path& path : {folder_ / "folder.txt", folder_ / "missing" / "results.txt", fs::path()}) {
        EXPECT_FALSE(SaveFileWhole(path.string(), kReport)) << path;
        EXPECT_TRUE(fs::is_empty(folder_ / "folder.txt"));
    }
    fs::remove(folder_ / "folder.txt");
    ExpectOnlyOldFile();
}

TEST_F(FileSaveTest, AReadOnlyFolderKeepsTheOldFile) {
    if (!MountTmpfs("size=64k")) GTEST_SKIP() << why_;
    Write(folder_ / "results.txt", kOld);
    // Read-only for root too: the mount itself, not the folder's rights.
    ASSERT_EQ(::mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0)
        << std::strerror(errno);
    EXPECT_FALSE(SaveFileWhole((folder_ / "results.txt").string(), kReport));
    EXPECT_FALSE(SaveFileWhole((folder_ / "new.txt").string(), kReport));
    ExpectOnlyOldFile();
}

TEST_F(FileSaveTest, AFullDiskKeepsTheOldFileAndLeavesNoEmptyNewOne) {
    if (!MountTmpfs("size=8k")) GTEST_SKIP() << why_;
    Write(folder_ / "results.txt", kOld);
    {
        std::ofstream filler(folder_ / "filler", std::ios::binary);
        const std::string block(512, 'x');
        for (int i = 0; i < 64 && filler; ++i) filler << block << std::flush;
    }
    EXPECT_FALSE(SaveFileWhole((folder_ / "results.txt").string(), kReport));
    EXPECT_FALSE(SaveFileWhole((folder_ / "new.txt").string(), kReport));
    ExpectOnlyOldFile();
}

}  // namespace
}  // namespace cubetimer
