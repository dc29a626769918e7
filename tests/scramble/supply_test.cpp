#include "scramble/supply.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "scramble/random_source.h"

namespace cubetimer {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class SupplyTest : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return (dir_ / name).string();
    }
    // What `n` requests hand out after importing the text: "!" when the imports
    // run out at that request, "*" for a random scramble.
    Lines HandOut(const std::string& text, int n) {
        supply_.importFile(CheckScrambleText(text));
        Lines out;
        for (int i = 0; i < n; ++i) {
            const bool importing = supply_.importing();
            const auto next = supply_.next();
            out.push_back(next.importsRanOut ? "!" : importing ? next.scramble : "*");
        }
        return out;
    }
    const fs::path dir_ = fs::temp_directory_path() / ("supply_test_" + std::to_string(::getpid()));
    ScrambleSupply supply_{UniformSource(1)};
};

TEST_F(SupplyTest, HandsOutLinesUntilAShortLineOrTheEnd) {
    const Lines three = {"R U2 ", "F' ", "L B ", "!", "*"};
    EXPECT_EQ(HandOut("R U2\r\nF'\r\nL B\r\n", 5), three);
    EXPECT_EQ(HandOut("R U2\r\nF'\r\nL B", 5), three);
    EXPECT_EQ(HandOut("R U2\nF'\nL B\n", 5), three);  // LF alone ends a line too
    EXPECT_EQ(HandOut("R U2\r\n\r\nF'\r\n", 3), (Lines{"R U2 ", "!", "*"}));
    EXPECT_EQ(HandOut("\r\n\r\n", 1), (Lines{"!"}));
    EXPECT_EQ(HandOut("U'\r\nU\r\nR\r\n", 2), (Lines{"U' ", "!"}));
    EXPECT_EQ(HandOut("''22  DD\r\n", 1), (Lines{"''22  DD "}));
}

TEST_F(SupplyTest, ImportsRestartAtLineOneAndCancelOrResetEndThem) {
    HandOut("R'\r\nU2\r\n", 1);
    EXPECT_EQ(HandOut("D2\r\nB'\r\n", 1), (Lines{"D2 "}));
    supply_.cancelImport();
    EXPECT_FALSE(supply_.importing());
    HandOut("R'\r\nU2\r\n", 1);
    supply_.reset();
    EXPECT_EQ(supply_.next().scramble.size(), 75u);
    EXPECT_EQ(supply_.current().size(), 75u);
}

TEST_F(SupplyTest, LongFilesAreReadToTheEnd) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "R U F D L B R' U'\r\n";  // 95,000 characters
    HandOut(text + "D2\r\n", 5000);
    EXPECT_EQ(supply_.next().scramble, "D2 ");
}

TEST_F(SupplyTest, ChecksFilesBeforeTakingThem) {
    using Status = ScrambleFile::Status;
    const std::pair<std::string, Status> cases[] = {
        {(dir_ / "missing.txt").string(), Status::NotAccessible},
        {dir_.string(), Status::NotAccessible},
        {Write("empty.txt", ""), Status::Empty},
        {Write("bom_only.txt", "\xEF\xBB\xBF"), Status::Empty},
        {Write("lower.txt", "R U\r\nr U\r\n"), Status::BadFormat},
        {Write("tab.txt", "R\tU\r\n"), Status::BadFormat},
        {Write("digit.txt", "R3\r\n"), Status::BadFormat},
        {Write("zero_byte.txt", std::string("R U\0", 4)), Status::BadFormat},
        {Write("utf8.txt", "R U\xC3\x28\r\n"), Status::BadFormat},
        {Write("huge.txt", std::string(kMaxScrambleFileBytes + 1, 'R')), Status::TooLarge},
        {Write("good.txt", "R U2 F'\r\n"), Status::Ok},
    };
    for (const auto& [path, status] : cases) EXPECT_EQ(ReadScrambleFile(path).status, status) << path;
#ifndef _WIN32
    // Neither a pipe nor a device is a scramble file, though both can be read.
    ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0600), 0);
    for (const std::string& path : {(dir_ / "fifo").string(), std::string("/dev/zero")}) {
        EXPECT_EQ(ReadScrambleFile(path).status, Status::NotAccessible) << path;
    }
#endif
    EXPECT_EQ(ReadScrambleFile(Write("bom.txt", "\xEF\xBB\xBFR U\r\n")).text, "R U\r\n");

    const std::string locked = Write("locked", "R U\r\n");
    fs::permissions(locked, fs::perms::none);
    if (::access(locked.c_str(), R_OK) != 0) {  // root reads it anyway
        EXPECT_EQ(ReadScrambleFile(locked).status, Status::NotAccessible);
    }
    // Windows deletes no read-only file.
    fs::permissions(locked, fs::perms::owner_all);
}

}  // namespace
}  // namespace cubetimer
