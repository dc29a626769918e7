#include "scramble/supply.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace cubetimer {
namespace {

namespace fs = std::filesystem;

class SupplyTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("supply_test_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir_ / "locked", fs::perms::owner_all, ignored);
        fs::remove_all(dir_, ignored);
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    ScrambleSupply Supply() {
        return ScrambleSupply([n = 0]() mutable { return static_cast<double>(n++ % 11) / 11.0; });
    }
    // Imports the text and returns what the supply hands out in `n` requests;
    // "*" stands for a random scramble and "!" for the message that the imports ran out.
    std::vector<std::string> HandOut(const std::string& text, int n) {
        ScrambleSupply supply = Supply();
        supply.importFile(ReadScrambleFile(Write("s.txt", text)));
        std::vector<std::string> out;
        for (int i = 0; i < n; ++i) {
            const auto next = supply.next();
            out.push_back(next.importsRanOut ? "!" : (next.scramble.size() == 75 && !supply.importing() ? "*" : next.scramble));
            EXPECT_EQ(supply.current(), next.scramble);
        }
        return out;
    }
    fs::path dir_;
};

using Lines = std::vector<std::string>;

TEST_F(SupplyTest, HandsOutLinesThenRandomScrambles) {
    const Lines expected = {"R U2 ", "F' ", "L B ", "!", "*"};
    EXPECT_EQ(HandOut("R U2\r\nF'\r\nL B\r\n", 5), expected);
    EXPECT_EQ(HandOut("R U2\r\nF'\r\nL B", 5), expected);
    // a line may end in LF alone
    EXPECT_EQ(HandOut("R U2\nF'\nL B\n", 5), expected);
}

TEST_F(SupplyTest, ShortLinesEndTheSupply) {
    EXPECT_EQ(HandOut("R U2\r\n\r\nF'\r\n", 3), (Lines{"R U2 ", "!", "*"}));
    EXPECT_EQ(HandOut("\r\n\r\n", 2), (Lines{"!", "*"}));
    EXPECT_EQ(HandOut("R\r\nU'\r\n", 1), (Lines{"!"}));
    EXPECT_EQ(HandOut("U'\r\nU\r\n", 3), (Lines{"U' ", "!", "*"}));
    // meaningless but allowed characters are handed out unchanged
    EXPECT_EQ(HandOut("''22  DD\r\n", 1), (Lines{"''22  DD "}));
}

TEST_F(SupplyTest, SecondImportRestartsAndCancelEndsImports) {
    ScrambleSupply supply = Supply();
    supply.importFile(ReadScrambleFile(Write("a.txt", "R\'\r\nU2\r\nF2\r\n")));
    supply.next();
    supply.importFile(ReadScrambleFile(Write("b.txt", "D2\r\nB'\r\n")));
    EXPECT_EQ(supply.next().scramble, "D2 ");
    supply.cancelImport();
    EXPECT_FALSE(supply.importing());
    EXPECT_EQ(supply.next().scramble.size(), 75u);
}

TEST_F(SupplyTest, ResetGoesBackToRandomAndTheNextImportStartsAtLineOne) {
    ScrambleSupply supply = Supply();
    const auto file = ReadScrambleFile(Write("a.txt", "R'\r\nU2\r\n"));
    supply.importFile(file);
    supply.next();
    supply.reset();
    EXPECT_EQ(supply.next().scramble.size(), 75u);
    supply.importFile(file);
    EXPECT_EQ(supply.next().scramble, "R' ");
}

TEST_F(SupplyTest, LongFilesAreReadPastAnyCharacterLimit) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += "R U F D L B R' U'\r\n";  // 95,000 characters
    text += "D2\r\n";
    ScrambleSupply supply = Supply();
    supply.importFile(ReadScrambleFile(Write("long.txt", text)));
    for (int i = 0; i < 5000; ++i) supply.next();
    EXPECT_EQ(supply.next().scramble, "D2 ");
}

TEST_F(SupplyTest, ChecksFilesBeforeTakingThem) {
    using Status = ScrambleFile::Status;
    const fs::path fifo = dir_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string locked = Write("locked", "R U\r\n");
    fs::permissions(locked, fs::perms::none);
    const bool rootReadsAnything = ::access(locked.c_str(), R_OK) == 0;

    const std::pair<std::string, Status> cases[] = {
        {(dir_ / "missing.txt").string(), Status::NotAccessible},
        {dir_.string(), Status::NotAccessible},
        {fifo.string(), Status::NotAccessible},
        {"/dev/zero", Status::NotAccessible},
        {Write("empty.txt", ""), Status::Empty},
        {Write("bom_only.txt", "\xEF\xBB\xBF"), Status::Empty},
        {Write("lower.txt", "R U\r\nr U\r\n"), Status::BadFormat},
        {Write("tab.txt", "R\tU\r\n"), Status::BadFormat},
        {Write("digit.txt", "R3\r\n"), Status::BadFormat},
        {Write("comma.txt", "R, U\r\n"), Status::BadFormat},
        {Write("nul.txt", std::string("R U\0", 4)), Status::BadFormat},
        {Write("utf8.txt", "R U\xC3\x28\r\n"), Status::BadFormat},
        {Write("huge.txt", std::string(kMaxScrambleFileBytes + 1, 'R')), Status::BadFormat},
        {Write("bom.txt", "\xEF\xBB\xBFR U\r\n"), Status::Ok},
        {Write("good.txt", "R U2 F'\r\n"), Status::Ok},
    };
    for (const auto& [path, status] : cases) EXPECT_EQ(ReadScrambleFile(path).status, status) << path;
    if (!rootReadsAnything) {
        EXPECT_EQ(ReadScrambleFile(locked).status, Status::NotAccessible);
    }
    EXPECT_EQ(ReadScrambleFile(Write("bom2.txt", "\xEF\xBB\xBFR U\r\n")).text, "R U\r\n");
}

TEST_F(SupplyTest, FailedImportsLeaveRandomSupply) {
    ScrambleSupply supply = Supply();
    supply.importFile(ReadScrambleFile(Write("a.txt", "R'\r\n")));
    supply.importFile(ReadScrambleFile(Write("bad.txt", "x")));
    EXPECT_FALSE(supply.importing());
    EXPECT_EQ(supply.next().scramble.size(), 75u);
}

}  // namespace
}  // namespace cubetimer
