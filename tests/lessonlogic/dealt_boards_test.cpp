#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "BoardHelpers.h"
#include "lessons/BoardAnalysis.h"
#include "lessons/Deck.h"
#include "platform/Services.h"

// Deals many boards the way the best-hand lesson does and checks each
// answer against a brute force over every pocket the remaining 47 cards allow.
// The brute force knows cards only as rank = key % 13 and suit = key / 13.

namespace {

using lessonlogic_test::rankIndex;

class SeededRandom : public tutor::RandomSource {
  public:
    explicit SeededRandom(unsigned seed) : generator_(seed) {}
    void reseedFromClock() override { ++reseeds; }
    float nextUniform() override { return uniform_(generator_); }
    int reseeds = 0;

  private:
    std::mt19937 generator_;
    std::uniform_real_distribution<float> uniform_{0.0f, 1.0f};
};

// Hands of "full house or less", weakest first.
enum Category { kHighCard, kPair, kTwoPair, kTrips, kStraight, kFlush, kFullHouse };

struct Best {
    Category category = kHighCard;
    int straightTop = -1;  // 3 (five high) .. 12 (ace high)
    int tripsRank = -1;
    int pairRank = -1;  // of the best full house
};

// The best hand of full house or less that seven cards contain.
Best bestOfSeven(const std::vector<int>& cards) {
    std::array<int, 13> ranks{};
    std::array<int, 4> suits{};
    for (int key : cards) {
        ++ranks[static_cast<std::size_t>(key % 13)];
        ++suits[static_cast<std::size_t>(key / 13)];
    }
    Best best;
    int pairs = 0;
    for (int r = 12; r >= 0; --r) {
        if (ranks[static_cast<std::size_t>(r)] >= 3 && best.tripsRank < 0) best.tripsRank = r;
        if (ranks[static_cast<std::size_t>(r)] >= 2) ++pairs;
    }
    if (best.tripsRank >= 0) {
        for (int r = 12; r >= 0; --r) {
            if (r != best.tripsRank && ranks[static_cast<std::size_t>(r)] >= 2) {
                best.pairRank = r;
                break;
            }
        }
    }
    for (int top = 12; top >= 3 && best.straightTop < 0; --top) {
        bool run = true;
        for (int r = top - 4; r <= top; ++r)
            run = run && ranks[static_cast<std::size_t>((r + 13) % 13)] > 0;
        if (run) best.straightTop = top;
    }
    const bool flush = *std::max_element(suits.begin(), suits.end()) >= 5;
    if (best.pairRank >= 0)
        best.category = kFullHouse;
    else if (flush)
        best.category = kFlush;
    else if (best.straightTop >= 0)
        best.category = kStraight;
    else if (best.tripsRank >= 0)
        best.category = kTrips;
    else if (pairs >= 2)
        best.category = kTwoPair;
    else if (pairs == 1)
        best.category = kPair;
    return best;
}

bool makes(const std::vector<int>& board, int a, int b, Category category) {
    std::vector<int> seven = board;
    seven.push_back(a);
    seven.push_back(b);
    return bestOfSeven(seven).category == category;
}

std::vector<int> remainingCards(const std::vector<int>& board) {
    std::vector<int> rest;
    for (int k = 0; k < 52; ++k) {
        if (std::find(board.begin(), board.end(), k) == board.end()) rest.push_back(k);
    }
    return rest;
}

std::string between(const std::string& text, const std::string& open, const std::string& close) {
    const auto from = text.find(open);
    if (from == std::string::npos) return {};
    const auto to = text.find(close, from + open.size());
    return to == std::string::npos ? std::string()
                                   : text.substr(from + open.size(), to - from - open.size());
}

// Splits "KQ", "1010", "78910J" into rank labels.
std::vector<int> ranksOf(const std::string& text) {
    std::vector<int> ranks;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool ten = text.compare(i, 2, "10") == 0;
        ranks.push_back(rankIndex(ten ? "10" : text.substr(i, 1)));
        if (ten) ++i;
    }
    return ranks;
}

// Checks one answer against the board; returns the failure, or empty.
std::string checkAnswer(const std::vector<int>& board, const std::string& answer) {
    const std::vector<int> rest = remainingCards(board);
    Best best;
    for (std::size_t a = 0; a < rest.size(); ++a) {
        for (std::size_t b = a + 1; b < rest.size(); ++b) {
            std::vector<int> seven = board;
            seven.push_back(rest[a]);
            seven.push_back(rest[b]);
            const Best hand = bestOfSeven(seven);
            if (hand.category > best.category) best = hand;
            if (hand.category == best.category) {
                best.straightTop = std::max(best.straightTop, hand.straightTop);
                if (hand.tripsRank > best.tripsRank ||
                    (hand.tripsRank == best.tripsRank && hand.pairRank > best.pairRank)) {
                    best.tripsRank = hand.tripsRank;
                    best.pairRank = hand.pairRank;
                }
            }
        }
    }
    const auto holdingOf = [&rest](int rank) {
        std::vector<int> cards;
        for (int k : rest) {
            if (k % 13 == rank) cards.push_back(k);
        }
        return cards;
    };

    if (answer.rfind("Any ", 0) == 0) {
        if (best.category != kFullHouse) return "full house named, none possible";
        const int rank = rankIndex(between(answer, "Any ", " makes a full house"));
        if (rank < 0) return "no rank in the full-house sentence";
        for (int card : holdingOf(rank)) {
            for (int other : rest) {
                if (other != card && !makes(board, card, other, kFullHouse))
                    return "some pocket fails";
            }
        }
        return {};
    }
    if (answer.rfind("Best full house is a", 0) == 0) {
        if (best.category != kFullHouse) return "full house named, none possible";
        const std::string held = between(answer, "(", ")");
        const auto dash = held.find('-');
        const std::vector<int> ranks = dash == std::string::npos
                                           ? ranksOf(held)
                                           : std::vector<int>{rankIndex(held.substr(0, dash)),
                                                              rankIndex(held.substr(dash + 1))};
        if (ranks.size() != 2) return "not two cards held";
        const std::vector<int> first = holdingOf(ranks[0]);
        const std::vector<int> second = holdingOf(ranks[1]);
        for (int a : first) {
            for (int b : second) {
                if (a != b && makes(board, a, b, kFullHouse)) {
                    std::vector<int> seven = board;
                    seven.push_back(a);
                    seven.push_back(b);
                    const Best hand = bestOfSeven(seven);
                    if (hand.tripsRank != best.tripsRank || hand.pairRank != best.pairRank) {
                        return "not the best full house";
                    }
                    return {};
                }
            }
        }
        return "the named pocket makes no full house";
    }
    if (answer.rfind("Best hand is a ", 0) == 0) {
        if (best.category != kFlush) return "flush named, best is another hand";
        const std::string suitName = between(answer, "Best hand is a ", " Flush (");
        const char* const names[] = {"Club", "Diamond", "Spade", "Hearts"};
        const int row = static_cast<int>(std::find(names, names + 4, suitName) - names);
        if (row == 4) return "unknown suit " + suitName;
        std::vector<int> missing;  // the suit's ranks not on the board, highest first
        for (int r = 12; r >= 0; --r) {
            if (std::find(board.begin(), board.end(), 13 * row + r) == board.end())
                missing.push_back(r);
        }
        const std::vector<int> ranks = ranksOf(between(answer, "Flush (", ")"));
        if (ranks.size() != 2 || ranks[0] != missing[0] || ranks[1] != missing[1]) {
            return "not the two highest cards of the suit";
        }
        if (!makes(board, 13 * row + ranks[0], 13 * row + ranks[1], kFlush)) return "no flush";
        return {};
    }
    if (answer.rfind("Best Hand is a Straight (", 0) == 0) {
        if (best.category != kStraight) return "straight named, best is another hand";
        const std::vector<int> ranks = ranksOf(between(answer, "(", ")"));
        if (ranks.size() != 5 || ranks[4] != best.straightTop) return "not the highest straight";
        return {};
    }
    if (answer.rfind("Best Hand is 3 of a Kind (", 0) == 0) {
        if (best.category != kTrips) return "three of a kind named, best is another hand";
        const std::vector<int> ranks = ranksOf(between(answer, "(", ")"));
        if (ranks.size() != 3 || ranks[0] != best.tripsRank) return "not the highest three";
        return {};
    }
    return "unknown sentence";
}

}  // namespace

TEST(DealtBoards, AcceptedBoardsAndTheirAnswers) {
    SeededRandom random(2024);
    const tutor::KeyCaptions captions = tutor::keyCaptions();
    tutor::Deck deck{};
    int passes = 0;
    int paired = 0;
    int twoPairs = 0;
    std::array<int, 7> answered{};
    const int boards = 2500;
    for (int n = 0; n < boards; ++n) {
        const int used = tutor::shuffleUntilBoardAccepted(deck, random, captions);
        ASSERT_GT(used, 0);
        passes += used;

        std::vector<int> board(deck.begin(), deck.begin() + 5);
        std::array<int, 13> ranks{};
        for (int key : board) ++ranks[static_cast<std::size_t>(key % 13)];
        ASSERT_LE(*std::max_element(ranks.begin(), ranks.end()), 2);
        const auto pairsOnBoard = std::count(ranks.begin(), ranks.end(), 2);
        paired += pairsOnBoard == 1;
        twoPairs += pairsOnBoard == 2;

        const std::string answer = lessonlogic_test::answerFor(board);
        const std::string failure = checkAnswer(board, answer);
        ASSERT_EQ(failure, "") << answer << " on keys " << board[0] << " " << board[1] << " "
                               << board[2] << " " << board[3] << " " << board[4];
        const char* const prefixes[] = {"Any ", "Best full house", "Best hand is a",
                                        "Best Hand is a Straight", "Best Hand is 3"};
        for (int p = 0; p < 5; ++p)
            answered[static_cast<std::size_t>(p)] += answer.rfind(prefixes[p], 0) == 0;
    }
    EXPECT_EQ(random.reseeds, passes);
    // Some boards were rejected and reshuffled; pairs and two pairs were kept;
    // every kind of answer came up.
    EXPECT_GT(passes, boards);
    EXPECT_GT(paired, 0);
    EXPECT_GT(twoPairs, 0);
    for (int p = 0; p < 5; ++p) EXPECT_GT(answered[static_cast<std::size_t>(p)], 0) << p;
}
