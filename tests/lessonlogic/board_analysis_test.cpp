#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BoardHelpers.h"
#include "lessons/BoardAnalysis.h"
#include "platform/Services.h"

using lessonlogic_test::answerFor;
using lessonlogic_test::keysOf;
using tutor::BoardLabels;

TEST(BoardAnalysis, KeyCaptionsByColumn) {
    struct Row {
        int key;
        const char* caption;
    };
    const Row rows[] = {{0, "2"},  {8, "10"}, {11, "K"}, {12, "A"}, {13, "2"}, {25, "A"}, {26, "2"},
                        {37, "K"}, {38, "A"}, {39, "2"}, {50, "K"}, {51, "A"}, {-1, ""},  {52, ""}};
    for (const Row& row : rows) EXPECT_EQ(tutor::keyCaption(row.key), row.caption) << row.key;
}

TEST(BoardAnalysis, SortsByRankNotByText) {
    const BoardLabels sorted = tutor::SortBoardRanks({"K", "10", "2", "A", "10"});
    EXPECT_EQ(sorted, (BoardLabels{"2", "10", "10", "K", "A"}));
    EXPECT_EQ(tutor::SortBoardRanks({"J", "9", "Q", "3", "8"}),
              (BoardLabels{"3", "8", "9", "J", "Q"}));
}

TEST(BoardAnalysis, AcceptsNoThreeOfARank) {
    struct Row {
        BoardLabels board;
        bool accepted;
    };
    const Row rows[] = {
        {{"2", "3", "4", "9", "K"}, true},     {{"K", "3", "K", "9", "2"}, true},  // a pair
        {{"3", "K", "9", "K", "3"}, true},                                         // two pairs
        {{"7", "3", "7", "9", "7"}, false},     // three of a kind
        {{"A", "A", "A", "A", "2"}, false},     // four of a kind
        {{"10", "5", "10", "5", "10"}, false},  // full house
    };
    for (const Row& row : rows) {
        EXPECT_EQ(tutor::isBoardAccepted(row.board), row.accepted) << row.board[0] << row.board[1];
    }
}

// The answer of the second pick for a dealt board, every sentence to the
// character.
TEST(BoardAnalysis, AnswerForBoard) {
    struct Row {
        const char* board;
        const char* answer;
    };
    const Row rows[] = {
        // Two pairs: the higher pair in the first pattern, the top pair in the others.
        {"3c 3d 7s 7h Kc", "Any 7 makes a full house"},
        {"3c 3d 7s Kh Kc", "Any K makes a full house"},
        {"3c 7d 7s Kh Kc", "Any K makes a full house"},
        {"Kc 7d 3s 7h 3h", "Any 7 makes a full house"},  // dealt in any order
        // One pair: one blank before the parenthesis in the first pattern only.
        {"3c 3d 7s 9h Kc", "Best full house is a (KK)"},
        {"3c 7d 7s 9h Kc", "Best full house is a  (KK)"},
        {"3c 7d 9s 9h Kc", "Best full house is a  (KK)"},
        {"3c 5d 9s Kh Kc", "Best full house is a  (K-9)"},
        {"2c 2d 5s 8h 10c", "Best full house is a (1010)"},
        // A pair beats a flush draw on the same board.
        {"3h 3d 7h 9h Kh", "Best full house is a (KK)"},
        // Flushes name the two highest cards of the suit missing from the board.
        {"Ah 7h 3h 9c Jd", "Best hand is a Hearts Flush (KQ)"},
        {"Ac Kc Qc Jc 2h", "Best hand is a Club Flush (109)"},
        {"2d 5d 9d Jc Ks", "Best hand is a Diamond Flush (AK)"},
        {"Ks As 4s 7c 9d", "Best hand is a Spade Flush (QJ)"},
        // A flush beats a straight.
        {"9h 10h Jh 2c 4d", "Best hand is a Hearts Flush (AK)"},
        // Straights: the first of the list, highest first, that three cards reach.
        {"10c Jd Qs 2h 3c", "Best Hand is a Straight (10JQKA)"},
        {"7c 8d 9s 2h 3c", "Best Hand is a Straight (78910J)"},
        {"2c 3d 4s 9h Kc", "Best Hand is a Straight (23456)"},
        {"Ac 2d 5s 9h Kc", "Best Hand is a Straight (A2345)"},
        // Nothing better: three of the top rank.
        {"2c 6d 9s Jh Ac", "Best Hand is 3 of a Kind (AAA)"},
        {"2c 7d Qs 3h Kc", "Best Hand is 3 of a Kind (KKK)"},
    };
    for (const Row& row : rows) EXPECT_EQ(answerFor(keysOf(row.board)), row.answer) << row.board;
}

TEST(BoardAnalysis, ThreeOfAKindWritesTheTenInFull) {
    EXPECT_EQ(tutor::BestThreeOfAKind({"2", "3", "7", "8", "10"}),
              "Best Hand is 3 of a Kind (101010)");
}

TEST(BoardAnalysis, NoStraightNoFullHouseGiveEmpty) {
    int reports = 0;
    const auto report = [&reports](const std::string&) { ++reports; };
    EXPECT_EQ(tutor::IsStraightPossible({"2", "6", "9", "J", "A"}, report), "");
    EXPECT_EQ(tutor::IsFullHousePossible({"2", "6", "9", "J", "A"}), "");
    EXPECT_EQ(reports, 0);
}

TEST(BoardAnalysis, FlushFromKeyStates) {
    const tutor::KeyCaptions captions = tutor::keyCaptions();
    tutor::KeyStates enabled;

    enabled.fill(true);
    EXPECT_EQ(tutor::IsFlushPossible(enabled, captions), "");

    // Two disabled keys in a row are not enough.
    enabled[39] = enabled[51] = false;
    EXPECT_EQ(tutor::IsFlushPossible(enabled, captions), "");

    // Three in clubs and three in hearts: the later row, hearts, stands.
    enabled.fill(true);
    for (int key : {0, 5, 12, 39, 40, 51}) enabled[static_cast<std::size_t>(key)] = false;
    EXPECT_EQ(tutor::IsFlushPossible(enabled, captions), "Best hand is a Hearts Flush (KQ)");

    // A row with fewer than two enabled keys left names no flush.
    enabled.fill(true);
    for (int key = 39; key < 51; ++key) enabled[static_cast<std::size_t>(key)] = false;
    EXPECT_EQ(tutor::IsFlushPossible(enabled, captions), "");
}

// A board that no shuffle pass can fix: the first pass puts three twos on
// it, the later passes leave positions 0..4 as they are. The deal must give
// up instead of hanging.
TEST(BoardAnalysis, BoardDealEndsOnABrokenSource) {
    class Partners : public tutor::RandomSource {
      public:
        void reseedFromClock() override {}
        float nextUniform() override {
            const int i = n++ % 52;
            int j = i == 51 ? 50 : i;
            if (n <= 52 && i == 1) j = 13;
            if (n <= 52 && i == 2) j = 26;
            return (static_cast<float>(j) + 0.5f) / 51.0f;
        }
        int n = 0;
    };
    Partners random;
    tutor::Deck deck{};
    const tutor::KeyCaptions captions = tutor::keyCaptions();
    EXPECT_EQ(tutor::shuffleUntilBoardAccepted(deck, random, captions, 40), 0);
    EXPECT_EQ(random.n, 40 * 52);
    EXPECT_FALSE(tutor::isBoardAccepted(tutor::boardLabels(deck, captions)));
}
