#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "PreflopTestSupport.h"
#include "engine/SplitString.h"

using poker::KeyedCollection;
using poker::SplitString;
using preflop_test::itemsOf;
using Items = std::vector<std::string>;

namespace {

Items split(const std::string& text, const std::string& delimiters, std::int16_t word) {
    KeyedCollection c;
    SplitString(c, text, delimiters, word);
    return itemsOf(c);
}

struct SplitCase {
    const char* name;
    std::string text;
    std::string delimiters;
    std::int16_t word;
    Items items;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << c.name;
}

class SplitExamples : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitExamples, GivesTheItemsInOrder) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(split(c.text, c.delimiters, c.word), c.items);
}

// The examples table of the splitter, row for row, and the overlapping
// whole-string cases of word 18.
INSTANTIATE_TEST_SUITE_P(
    Table, SplitExamples,
    ::testing::Values(
        SplitCase{"drop_doubled_trailing", "a,,b,", ",", 1, {"a", "b"}},
        SplitCase{"drop_leading", ",a", ",", 1, {"a"}},
        SplitCase{"asItem_two_chars", "a,b;c", ",;", 5, {"a", ",", "b", ";", "c"}},
        SplitCase{"asItem_doubled", "a,,b", ",", 5, {"a", ",", ",", "b"}},
        SplitCase{"endsPiece", "a,b", ",", 9, {"a,", "b"}},
        SplitCase{"endsPiece_doubled", "a,,b", ",", 9, {"a,", ",", "b"}},
        SplitCase{"startsPiece", "x;abc", ";", 17, {"x", ";abc"}},
        SplitCase{"startsPiece_leading", ";abc;de", ";", 17, {";", "abc", ";de"}},
        SplitCase{"startsPiece_leading_doubled", ";;x;y", ";", 17, {";", ";x", ";y"}},
        SplitCase{"startsPiece_trailing", "a;", ";", 17, {"a", ";"}},
        SplitCase{"whole_drop", "a--b", "--", 2, {"a", "b"}},
        SplitCase{"whole_asItem", "a--b", "--", 6, {"a", "--", "b"}},
        SplitCase{"whole_endsPiece", "a--b", "--", 10, {"a--", "b"}},
        SplitCase{"whole_startsPiece", "a--b", "--", 18, {"a", "--b"}},
        SplitCase{"whole_startsPiece_leading", "--a--b", "--", 18, {"--a", "--b"}},
        SplitCase{"invalid_mode_0", "a,b", ",", 0, {"a,b"}},
        SplitCase{"invalid_treatment_no_delimiter", "ab", ",", 13, {"ab"}},
        SplitCase{"invalid_treatment_delimiter", "a,b", ",", 13, {"a,b"}},
        SplitCase{"whole_startsPiece_three", "---", "--", 18, {"-", "--"}},
        SplitCase{"whole_startsPiece_four", "----", "--", 18, {"-", "-", "--"}},
        SplitCase{"whole_startsPiece_inside", "a---b", "--", 18, {"a", "-", "--b"}},
        // Without overlap the other whole-string treatments take "---" as
        // one delimiter and a lone hyphen.
        SplitCase{"whole_drop_three", "---", "--", 2, {"-"}},
        SplitCase{"whole_asItem_four", "----", "--", 6, {"--", "--"}},
        SplitCase{"startsPiece_only_delimiters", ";;", ";", 17, {";", ";"}},
        SplitCase{"endsPiece_leading", ",a", ",", 9, {",", "a"}},
        SplitCase{"asItem_trailing", "a,", ",", 5, {"a", ","}},
        // Bits above bit 4 are ignored: 33 reads as 1, 50 as 18.
        SplitCase{"high_bits_ignored", "a,b", ",", 33, {"a", "b"}},
        SplitCase{"high_bits_ignored_whole", "a--b", "--", 50, {"a", "--b"}},
        // Searches are exact: no case folding.
        SplitCase{"case_sensitive", "aXbxc", "x", 1, {"aXb", "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitString, ValidWordsOnEmptyTextAddNothingAndOnPlainTextOneItem) {
    for (std::int16_t word : {1, 5, 9, 17, 2, 6, 10, 18}) {
        SCOPED_TRACE(word);
        EXPECT_EQ(split("", ",", word), Items{});
        EXPECT_EQ(split("abc", ",", word), Items{"abc"});
    }
}

TEST(SplitString, InvalidModeGivesTheWholeTextEvenWithoutDelimiter) {
    for (std::int16_t word : {0, 3, 4, 8, 7, 19, -1}) {
        SCOPED_TRACE(word);
        EXPECT_EQ(split("a,b", ",", word), Items{"a,b"});
        EXPECT_EQ(split("ab", ",", word), Items{"ab"});
        EXPECT_EQ(split("", ",", word), Items{""});
    }
}

TEST(SplitString, InvalidTreatmentFailsOnlyAtTheFirstDelimiter) {
    for (std::int16_t word : {13, 21, 25, 29, 14, 22, 26, 30}) {
        SCOPED_TRACE(word);
        EXPECT_EQ(split(",a,b,", ",", word), Items{",a,b,"});
        EXPECT_EQ(split("ab", ",", word), Items{"ab"});
        EXPECT_EQ(split("", ",", word), Items{});
    }
}

// An empty delimiter string delimits nothing in either mode (our choice for
// the whole-string mode, where it would otherwise match everywhere).
TEST(SplitString, EmptyDelimiterStringGivesTheWholeText) {
    for (std::int16_t word : {1, 5, 9, 17, 2, 6, 10, 18}) {
        SCOPED_TRACE(word);
        EXPECT_EQ(split("a,b", "", word), Items{"a,b"});
        EXPECT_EQ(split("", "", word), Items{});
    }
}

TEST(SplitString, StartUpCallReadsCodesAcrossCommasAndLineEnds) {
    std::string text = "AA,KK\r\r,QQ,,\rAKs,\rJJ";
    EXPECT_EQ(split(text, ",\r", 1), (Items{"AA", "KK", "QQ", "AKs", "JJ"}));
    // Nothing is trimmed.
    EXPECT_EQ(split(" AK,\tT9 \r", ",\r", 1), (Items{" AK", "\tT9 "}));
}

TEST(SplitString, RepetitiveWholeDelimiterIsFoundWherePresent) {
    // A naive scan restarts after a partial match; this one must not miss
    // "aab" inside "aaab".
    EXPECT_EQ(split("xaaabyaab", "aab", 2), (Items{"xa", "y"}));
    EXPECT_EQ(split("abababab", "abab", 18), (Items{"ab", "ab", "abab"}));
    EXPECT_EQ(split("abababab", "abab", 6), (Items{"abab", "abab"}));
}

TEST(SplitString, ItemCounterStopsAt32767) {
    // 32767 items fit; the last one is keyed String32767.
    std::string fits;
    for (int i = 0; i < poker::kSplitMaxItems; ++i) fits += "x,";
    KeyedCollection c;
    SplitString(c, fits, ",", 1);
    ASSERT_EQ(c.count(), 32767u);
    EXPECT_EQ(c.item("String32767"), "x");

    // One more takes the failure path: the whole text is the one item.
    const std::string tooMany = fits + "y";
    KeyedCollection d;
    SplitString(d, tooMany, ",", 1);
    EXPECT_EQ(itemsOf(d), Items{tooMany});

    // Delimiters count as items too: 16384 commas kept as items overflow.
    std::string asItems;
    for (int i = 0; i < 16384; ++i) asItems += "x,";
    KeyedCollection e;
    SplitString(e, asItems, ",", 5);
    EXPECT_EQ(itemsOf(e), Items{asItems});
}

TEST(SplitString, HundredThousandCodesTakeTheFailurePathOnce) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "AK,\r";
    KeyedCollection c;
    SplitString(c, text, ",\r", 1);
    EXPECT_EQ(itemsOf(c), Items{text});
}

TEST(SplitString, LongTextWithoutDelimiterIsOneItem) {
    const std::string text(5 * 1024 * 1024, 'A');
    KeyedCollection c;
    SplitString(c, text, ",\r", 1);
    ASSERT_EQ(c.count(), 1u);
    EXPECT_EQ(c.item("String1")->size(), text.size());
}

// A collection that already holds items keeps them; this call's items
// follow, keyed from String1.
TEST(SplitString, NonEmptyCollectionKeepsTheCallersItems) {
    KeyedCollection c;
    c.add("mine", "kept");
    SplitString(c, "a,b", ",", 1);
    ASSERT_EQ(c.count(), 3u);
    EXPECT_EQ(c.item(1), "kept");
    EXPECT_EQ(c.item("String1"), "a");
    EXPECT_EQ(c.item("String2"), "b");
}

TEST(SplitString, KeyClashTakesTheFailurePathWithoutTouchingTheCallersItems) {
    KeyedCollection c;
    c.add("String2", "theirs");
    SplitString(c, "a,b,c", ",", 1);
    ASSERT_EQ(c.count(), 2u);
    EXPECT_EQ(c.item("String2"), "theirs");
    EXPECT_EQ(c.item("String1"), "a,b,c");

    // With String1 itself taken the whole text has nowhere to go: the
    // collection is left as it was handed in.
    KeyedCollection d;
    d.add("String1", "theirs");
    SplitString(d, "a,b", ",", 1);
    ASSERT_EQ(d.count(), 1u);
    EXPECT_EQ(d.item("String1"), "theirs");
    SplitString(d, "a,b", ",", 0);
    EXPECT_EQ(d.count(), 1u);
}

TEST(SplitString, FailureConstants) {
    EXPECT_EQ(poker::kSplitOptionsFailure.number, 10010);
    EXPECT_STREQ(poker::kSplitOptionsFailure.source, "SplitString()");
    EXPECT_STREQ(poker::kSplitOptionsFailure.description,
                 "An invalid argument was passed into the SplitOptions parameter.");
}

}  // namespace
