#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "PreflopTestSupport.h"
#include "engine/PreflopList.h"

namespace fs = std::filesystem;
using poker::KeyedCollection;
using poker::load169;
using poker::PreflopValue;
using preflop_test::all169Codes;
using preflop_test::itemsOf;

namespace {

// A program folder of its own for each test, removed afterwards.
class Load169 : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "load169-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder / "169.txt", fs::perms::owner_all, ignored);
        fs::remove_all(folder, ignored);
    }

    void write(const std::string& contents) {
        std::ofstream out(folder / "169.txt", std::ios::binary);
        out << contents;
    }

    // Loads into a list that holds something beforehand, to see it emptied.
    void load() {
        list = KeyedCollection{};
        list.add("stale", "AA");
        messages.clear();
        load169(list, folder.string(), [this](const std::string& m) { messages.push_back(m); });
    }

    static std::string joined(const std::vector<std::string>& codes, const std::string& lineEnd,
                              std::size_t perLine) {
        std::string out;
        for (std::size_t i = 0; i < codes.size(); ++i) {
            out += codes[i];
            out += (i + 1) % perLine == 0 || i + 1 == codes.size() ? lineEnd : ",";
        }
        return out;
    }

    fs::path folder;
    KeyedCollection list;
    std::vector<std::string> messages;
};

TEST_F(Load169, EveryLineEndReadsTheSameList) {
    const auto codes = all169Codes();
    for (const std::string lineEnd : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(::testing::PrintToString(lineEnd));
        write(joined(codes, lineEnd, 7));
        load();
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(itemsOf(list), codes);
        EXPECT_EQ(PreflopValue(list, "AA", false), 100);
        EXPECT_EQ(PreflopValue(list, "32", false), 0);
    }
    // Mixed line ends, no line end at the end, blank lines, trailing and
    // doubled commas, one code per line and many.
    write("AA,KK,\r\n\r\nQQ\n\n,,JJ\rTT,\r\n99");
    load();
    EXPECT_EQ(itemsOf(list), (std::vector<std::string>{"AA", "KK", "QQ", "JJ", "TT", "99"}));
}

TEST_F(Load169, MissingFileIsReportedAndEveryValueIsZero) {
    load();
    ASSERT_EQ(messages, std::vector<std::string>{"error in load169 -File not found"});
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(PreflopValue(list, "AA", false), 0);

    messages.clear();
    load169(list, (folder / "no such folder").string(), [this](const std::string& m) { messages.push_back(m); });
    EXPECT_EQ(messages, std::vector<std::string>{"error in load169 -File not found"});
}

TEST_F(Load169, FolderInPlaceOfTheFileIsReported) {
    fs::create_directory(folder / "169.txt");
    load();
    EXPECT_EQ(messages, std::vector<std::string>{"error in load169 -Path is a folder"});
    EXPECT_TRUE(list.empty());
}

TEST_F(Load169, PipeInPlaceOfTheFileIsRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo((folder / "169.txt").c_str(), 0600), 0);
    load();
    EXPECT_EQ(messages, std::vector<std::string>{"error in load169 -Not a regular file"});
    EXPECT_TRUE(list.empty());
}

TEST_F(Load169, UnreadableFileIsReported) {
    write("AA,KK\r\n");
    fs::permissions(folder / "169.txt", fs::perms::none);
    if (::access((folder / "169.txt").c_str(), R_OK) == 0) GTEST_SKIP() << "running as root";
    load();
    EXPECT_EQ(messages, std::vector<std::string>{"error in load169 -Permission denied"});
    EXPECT_TRUE(list.empty());
}

TEST_F(Load169, FileAboveTheSizeLimitIsRefused) {
    {
        std::ofstream out(folder / "169.txt", std::ios::binary);
    }
    fs::resize_file(folder / "169.txt", poker::kMax169FileSize + 1);
    load();
    EXPECT_EQ(messages, std::vector<std::string>{"error in load169 -File too large"});
    EXPECT_TRUE(list.empty());
}

TEST_F(Load169, NoReporterIsNoCrash) {
    list.add("stale", "AA");
    load169(list, folder.string(), poker::ErrorReporter{});
    EXPECT_TRUE(list.empty());
}

// Files that open and read fine but hold no usable list: no message, and
// the Part's result for each.
TEST_F(Load169, BadContentsGiveZerosWithoutMessage) {
    struct Case {
        const char* name;
        std::string contents;
        std::size_t items;
    };
    std::string hundredThousand;
    for (int i = 0; i < 100000; ++i) hundredThousand += "AK,";
    const std::vector<Case> cases{
        {"empty", "", 0},
        {"only line ends and commas", "\r\n,\n,,\r", 0},
        {"one 5 MB line", std::string(5 * 1024 * 1024, 'K'), 1},
        {"100,000 codes", hundredThousand, 1},  // the splitter's failure path
        {"binary", std::string("AA\0KK,\xff\xfe\0", 9), 2},
        {"invalid UTF-8", "\xc3\x28,\xa0\xa1,\xf0\x28\x8c\x28", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write(c.contents);
        load();
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(list.count(), c.items);
        EXPECT_EQ(PreflopValue(list, "AA", false), 0);
        EXPECT_EQ(PreflopValue(list, "AK", true), 0);
    }
}

TEST_F(Load169, CodesAreReadAsTheyStand) {
    auto codes = all169Codes();
    // Position 2 is KK; each file spoils it another way.
    for (const std::string& spoiled : std::vector<std::string>{" KK", "kk", "KK\t", std::string("K\0K", 3)}) {
        SCOPED_TRACE(::testing::PrintToString(spoiled));
        auto changed = codes;
        changed[1] = spoiled;
        write(joined(changed, "\r\n", 13));
        load();
        EXPECT_TRUE(messages.empty());
        ASSERT_EQ(list.count(), 169u);
        EXPECT_EQ(PreflopValue(list, "KK", false), 0);
        EXPECT_EQ(PreflopValue(list, "AA", false), 100);
    }
    // Twice: the later position stays. KK again at the end, as code 170,
    // is read but never looked at.
    auto twice = codes;
    twice[5] = "KK";  // in place of 99
    twice.push_back("KK");
    write(joined(twice, "\n", 10));
    load();
    ASSERT_EQ(list.count(), 170u);
    EXPECT_EQ(PreflopValue(list, "KK", false), poker::PositionValue(6));
    EXPECT_EQ(PreflopValue(list, "99", false), 0);
}

}  // namespace
