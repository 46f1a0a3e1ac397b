// make169: ranks the 169 starting hands of Texas Hold'em by their all-in
// equity against one random hand (the share of pots won, ties counted half,
// over every board) and writes them best first in the format of 169.txt.
//
// The enumeration is exact. It runs over the boards rather than over the
// hands: for each five-card board, every two-card hand of the 47 cards left
// is rated once, and a sweep in order of strength counts, for each hand,
// the hands that share no card with it and lose to it or tie it. Boards
// that differ only by a renaming of the suits give the same counts for
// each starting-hand class, so each such family is rated once and weighed
// by its size.
//
//   make169 [output]    write the list (to stdout without a path)
//   make169 --check     compare the evaluator with the slow reference

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "SevenCardEval.h"

using make169::strengthOf;
using make169::SuitMasks;

namespace {

constexpr int kCards = 52;
constexpr char kRankChars[] = "23456789TJQKA";

int rankOf(int card) { return card / 4; }
int suitOf(int card) { return card % 4; }

// Class 0..168 of a two-card hand: 13 * high + low for suited (high > low),
// 13 * low + high for offsuit, 14 * rank for a pair.
int classOf(int a, int b) {
    int hi = rankOf(a), lo = rankOf(b);
    if (hi < lo) std::swap(hi, lo);
    if (hi == lo) return 14 * hi;
    return suitOf(a) == suitOf(b) ? 13 * hi + lo : 13 * lo + hi;
}

std::string codeOf(int cls) {
    const int x = cls / 13, y = cls % 13;
    if (x == y) return {kRankChars[x], kRankChars[x]};
    if (x > y) return {kRankChars[x], kRankChars[y], 's'};
    return {kRankChars[y], kRankChars[x]};
}

int combosOf(int cls) {
    const int x = cls / 13, y = cls % 13;
    return x == y ? 6 : (x > y ? 4 : 12);
}

struct Board {
    SuitMasks masks;
    std::uint64_t weight;
};

// One board of each suit-renaming family, with the family's size. A board's
// family is fixed by the multiset of its four per-suit rank masks.
std::vector<Board> boardFamilies() {
    std::unordered_map<std::uint64_t, std::uint64_t> families;
    int c[5];
    for (c[0] = 0; c[0] < kCards; ++c[0])
        for (c[1] = c[0] + 1; c[1] < kCards; ++c[1])
            for (c[2] = c[1] + 1; c[2] < kCards; ++c[2])
                for (c[3] = c[2] + 1; c[3] < kCards; ++c[3])
                    for (c[4] = c[3] + 1; c[4] < kCards; ++c[4]) {
                        std::array<std::uint64_t, 4> m{};
                        for (int card : c) m[suitOf(card)] |= 1u << rankOf(card);
                        std::sort(m.begin(), m.end());
                        ++families[m[0] << 39 | m[1] << 26 | m[2] << 13 | m[3]];
                    }
    std::vector<Board> boards;
    for (auto [key, count] : families) {
        Board b{};
        for (int s = 0; s < 4; ++s) b.masks[s] = static_cast<std::uint16_t>(key >> (13 * s) & 0x1fff);
        b.weight = count;
        boards.push_back(b);
    }
    // A fixed order, so that the work is shared out the same way every run.
    std::sort(boards.begin(), boards.end(), [](const Board& x, const Board& y) {
        return x.masks < y.masks;
    });
    return boards;
}

// Adds, for every hand on this board, weight * (2 * wins + ties) to its class.
void rateBoard(const Board& board, std::array<std::uint64_t, 169>& halfPots) {
    std::vector<int> left;
    for (int card = 0; card < kCards; ++card)
        if (!(board.masks[suitOf(card)] >> rankOf(card) & 1)) left.push_back(card);
    std::vector<std::uint64_t> hands;  // strength << 12 | a << 6 | b
    hands.reserve(left.size() * (left.size() - 1) / 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        for (std::size_t j = i + 1; j < left.size(); ++j) {
            SuitMasks m = board.masks;
            m[suitOf(left[i])] |= static_cast<std::uint16_t>(1u << rankOf(left[i]));
            m[suitOf(left[j])] |= static_cast<std::uint16_t>(1u << rankOf(left[j]));
            hands.push_back(std::uint64_t{strengthOf(m)} << 12 |
                            static_cast<std::uint64_t>(left[i]) << 6 | static_cast<std::uint64_t>(left[j]));
        }
    }
    std::sort(hands.begin(), hands.end());
    // below: hands weaker than the current group; belowWith[c]: those of
    // them that hold card c. An opponent sharing a card is no opponent:
    // wins = below - belowWith[a] - belowWith[b] (no hand holds both but
    // the hand itself, which is not below).
    std::uint64_t below = 0;
    std::array<std::uint64_t, kCards> belowWith{};
    std::array<std::uint64_t, kCards> groupWith{};
    for (std::size_t start = 0; start < hands.size();) {
        std::size_t end = start;
        while (end < hands.size() && hands[end] >> 12 == hands[start] >> 12) ++end;
        for (std::size_t k = start; k < end; ++k) {
            ++groupWith[hands[k] >> 6 & 63];
            ++groupWith[hands[k] & 63];
        }
        const std::uint64_t group = end - start;
        for (std::size_t k = start; k < end; ++k) {
            const int a = static_cast<int>(hands[k] >> 6 & 63), b = static_cast<int>(hands[k] & 63);
            const std::uint64_t wins = below - belowWith[a] - belowWith[b];
            const std::uint64_t ties = group - groupWith[a] - groupWith[b] + 1;
            halfPots[classOf(a, b)] += board.weight * (2 * wins + ties);
        }
        for (std::size_t k = start; k < end; ++k) {
            const int a = static_cast<int>(hands[k] >> 6 & 63), b = static_cast<int>(hands[k] & 63);
            groupWith[a] = groupWith[b] = 0;
            ++belowWith[a];
            ++belowWith[b];
        }
        below += group;
        start = end;
    }
}

int check() {
    std::mt19937_64 random(169);
    std::vector<int> deck(kCards);
    for (int i = 0; i < kCards; ++i) deck[i] = i;
    const int samples = 2000000;
    for (int n = 0; n < samples; ++n) {
        int hand[2][7];
        std::uint32_t fast[2];
        std::uint64_t slow[2];
        for (int h = 0; h < 2; ++h) {
            std::shuffle(deck.begin(), deck.end(), random);
            SuitMasks m{};
            for (int i = 0; i < 7; ++i) {
                hand[h][i] = deck[i];
                m[suitOf(deck[i])] |= static_cast<std::uint16_t>(1u << rankOf(deck[i]));
            }
            fast[h] = strengthOf(m);
            slow[h] = make169::referenceStrength(hand[h]);
        }
        if ((fast[0] < fast[1]) != (slow[0] < slow[1]) || (fast[0] == fast[1]) != (slow[0] == slow[1])) {
            std::fprintf(stderr, "evaluator disagrees with the reference on sample %d\n", n);
            return 1;
        }
    }
    std::fprintf(stderr, "evaluator agrees with the reference on %d pairs of hands\n", samples);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--check") return check();

    const std::vector<Board> boards = boardFamilies();
    const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::array<std::uint64_t, 169>> partial(workers);
    std::atomic<std::size_t> nextBoard{0};
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            partial[w].fill(0);
            for (std::size_t i; (i = nextBoard++) < boards.size();) rateBoard(boards[i], partial[w]);
        });
    }
    for (auto& t : threads) t.join();

    std::array<std::uint64_t, 169> halfPots{};
    for (const auto& p : partial)
        for (int c = 0; c < 169; ++c) halfPots[c] += p[c];

    // Each deal of two hands and a board hands out two half-pots in all,
    // so the total is fixed; anything else is a fault in the counting.
    std::uint64_t total = 0;
    for (auto h : halfPots) total += h;
    if (total != 1326ull * 2118760ull * 990ull) {
        std::fprintf(stderr, "half-pots do not add up: %llu\n", static_cast<unsigned long long>(total));
        return 1;
    }

    // Every hand meets C(50,5) boards and C(45,2) opponents.
    const double perCombo = 2118760.0 * 990.0 * 2.0;
    std::vector<std::pair<double, int>> ranked;
    for (int c = 0; c < 169; ++c) ranked.push_back({halfPots[c] / (perCombo * combosOf(c)), c});
    std::sort(ranked.begin(), ranked.end(), [](auto x, auto y) {
        return x.first != y.first ? x.first > y.first : codeOf(x.second) < codeOf(y.second);
    });

    std::string list;
    for (std::size_t i = 0; i < ranked.size(); ++i) {
        list += codeOf(ranked[i].second);
        list += (i + 1) % 13 == 0 ? "\r\n" : ",";
        std::fprintf(stderr, "%3zu %-4s %.6f\n", i + 1, codeOf(ranked[i].second).c_str(), ranked[i].first);
    }
    if (argc > 1) {
        std::ofstream out(argv[1], std::ios::binary);
        out << list;
        if (!out) {
            std::fprintf(stderr, "could not write %s\n", argv[1]);
            return 1;
        }
    } else {
        std::cout << list;
    }
    return 0;
}
