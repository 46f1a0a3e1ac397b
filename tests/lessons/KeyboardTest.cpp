#include "LessonFixture.h"

#include "lessons/CardIdentity.h"

namespace tutor::testing {
namespace {

struct KeyRow {
    int key;
    const char* caption;
    int id, rank, suit;
};

class Keyboard : public LessonFixture {};

// Keys of every row, the ten, the kings and the four aces.
TEST_F(Keyboard, KeyCaptionsAndCards) {
    const KeyRow rows[] = {
        {0, "2", 4, 2, 0},    {8, "10", 36, 10, 0}, {11, "K", 48, 13, 0}, {12, "A", 0, 1, 0},
        {13, "2", 5, 2, 1},   {25, "A", 1, 1, 1},   {26, "2", 7, 2, 3},   {37, "K", 51, 13, 3},
        {38, "A", 3, 1, 3},   {39, "2", 6, 2, 2},   {50, "K", 50, 13, 2}, {51, "A", 2, 1, 2},
    };
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.key);
        EXPECT_EQ(key(row.key)->text(), row.caption);
        const auto card = panel->cardOfKey(row.key);
        ASSERT_TRUE(card);
        EXPECT_EQ(card->id, row.id);
        EXPECT_EQ(card->rank, row.rank);
        EXPECT_EQ(card->suit, row.suit);
    }
}

TEST_F(Keyboard, EveryKeyIsItsRowAndColumnsCardOnce) {
    const int suitOfRow[] = {0, 1, 3, 2};
    const int rankOfColumn[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 1};
    std::vector<int> seen(52, 0);
    for (int k = 0; k < 52; ++k) {
        const auto card = panel->cardOfKey(k);
        ASSERT_TRUE(card) << k;
        EXPECT_EQ(card->rank, rankOfColumn[k % 13]) << k;
        EXPECT_EQ(card->suit, suitOfRow[k / 13]) << k;
        EXPECT_EQ(card->id, 4 * (card->rank - 1) + card->suit) << k;
        ++seen[card->id];
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 52);
}

TEST_F(Keyboard, KeysOutsideTheBoardHaveNoCard) {
    for (int k : {-1, -32768, 52, 53, 32767}) EXPECT_FALSE(panel->cardOfKey(k)) << k;
}

TEST_F(Keyboard, KeyOfCardTable) {
    const auto& table = st().keyOfCard;
    for (int r = 0; r < 13; ++r) {
        EXPECT_EQ(table[4 * r], r);
        EXPECT_EQ(table[4 * r + 1], r + 13);
        EXPECT_EQ(table[4 * r + 2], r + 39);
        EXPECT_EQ(table[4 * r + 3], r + 26);
    }
}

TEST_F(Keyboard, GridAndSuitLabels) {
    for (int k = 0; k < 52; ++k) {
        // 465 x 435 twips are 31 x 29 pixels at 15 twips per pixel.
        EXPECT_EQ(key(k)->geometry(), QRect(31 * (k % 13), 29 * (k / 13), 31, 29)) << k;
        EXPECT_FALSE(key(k)->isEnabled()) << k;
    }
    EXPECT_EQ(find("picKeys")->size(), QSize(403, 116));
    const char* suits[][2] = {{"zCommand1", "Clubs"}, {"zCommand2", "Diamonds"},
                              {"zCommand3", "Spades"}, {"zcommandbutton5", "Hearts"}};
    for (int row = 0; row < 4; ++row) {
        auto* label = find<QPushButton>(suits[row][0]);
        EXPECT_EQ(label->text(), suits[row][1]);
        EXPECT_EQ(label->geometry(), QRect(0, 29 * row, 89, 29));
    }
    EXPECT_EQ(find("picSuits")->y(), find("picKeys")->y());
}

// A second layout writes the same captions, grid and table again.
TEST_F(Keyboard, InitKeysTwiceGivesTheSameKeyboard) {
    std::vector<QString> captions;
    std::vector<QRect> places;
    for (int k = 0; k < 52; ++k) {
        captions.push_back(key(k)->text());
        places.push_back(key(k)->geometry());
    }
    const auto table = st().keyOfCard;
    panel->initKeys();
    for (int k = 0; k < 52; ++k) {
        EXPECT_EQ(key(k)->text(), captions[k]);
        EXPECT_EQ(key(k)->geometry(), places[k]);
    }
    EXPECT_EQ(st().keyOfCard, table);
}

}  // namespace
}  // namespace tutor::testing
