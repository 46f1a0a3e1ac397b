// The figures of the hands-and-ranking page against the engine's own count of
// every five-card hand.
#include <cmath>
#include <cstdint>
#include <map>
#include <string>

#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

#include "PageFile.h"
#include "engine/HandEvaluator.h"

namespace tutor::testing {
namespace {

using poker::CardRec;
using poker::Hand;
using poker::HandCategory;

constexpr std::int64_t kAllHands = 2598960;  // 52 choose 5

struct HandCounts {
    std::map<HandCategory, std::int64_t> byCategory;
    std::int64_t royalFlushes = 0;
    std::int64_t hands = 0;
    std::int64_t failures = 0;
};

CardRec card(int id) {
    const auto rank = static_cast<std::int16_t>(id / 4 + 1);  // 1 is the ace
    const auto suit = static_cast<std::int16_t>(id % 4);
    return CardRec{static_cast<std::int16_t>(id), rank, suit, 0};
}

bool holdsRank(const Hand& hand, int rank) {
    for (const CardRec& c : hand)
        if (c.rank == rank) return true;
    return false;
}

// Every hand of one deck through EvaluatePokerHand, once.
HandCounts countAllHands() {
    HandCounts counts;
    const poker::ErrorReporter report = [&counts](const std::string&) { ++counts.failures; };
    Hand hand{};
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            for (int c = b + 1; c < 52; ++c)
                for (int d = c + 1; d < 52; ++d)
                    for (int e = d + 1; e < 52; ++e) {
                        hand = {card(a), card(b), card(c), card(d), card(e)};
                        const HandCategory category = poker::EvaluatePokerHand(hand, report);
                        ++counts.byCategory[category];
                        ++counts.hands;
                        // A straight flush with an ace and a king runs ten to ace.
                        if (category == HandCategory::StraightFlush && holdsRank(hand, 1) &&
                            holdsRank(hand, 13))
                            ++counts.royalFlushes;
                    }
    return counts;
}

QString withThousands(std::int64_t n) {
    QString digits = QString::number(n);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3) digits.insert(i, ',');
    return digits;
}

// What the page shows for a row of n hands: the count, the probability in
// percent to four significant figures, and "about 1 in" (whole numbers from
// ten up, one decimal below).
struct Figures {
    QString count, probability, oneIn;
};

Figures figuresFor(std::int64_t n) {
    const double share = double(n) / double(kAllHands);
    const double oneIn = 1.0 / share;
    return {withThousands(n), QString::number(100.0 * share, 'g', 4) + '%',
            oneIn >= 10 ? withThousands(std::llround(oneIn)) : QString::number(oneIn, 'f', 1)};
}

QString cellText(QTextTable* table, int row, int column) {
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText().simplified();
}

// The rows of the page's table of hand counts, by the text of their first cell.
std::map<QString, Figures> figuresOnThePage() {
    QTextDocument document;
    document.setHtml(QString::fromUtf8(readPageBytes("rank.html")));
    std::map<QString, Figures> rows;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table || table->columns() < 4 || cellText(table, 0, 1) != "Number of hands") continue;
        for (int row = 1; row < table->rows(); ++row)
            rows[cellText(table, row, 0)] = {cellText(table, row, 1), cellText(table, row, 2),
                                             cellText(table, row, 3)};
    }
    return rows;
}

void expectRow(const std::map<QString, Figures>& rows, const QString& label, std::int64_t n) {
    SCOPED_TRACE(label.toStdString());
    const auto row = rows.find(label);
    ASSERT_NE(row, rows.end()) << "no row on the page";
    const Figures expected = figuresFor(n);
    EXPECT_EQ(row->second.count, expected.count);
    EXPECT_EQ(row->second.probability, expected.probability);
    EXPECT_EQ(row->second.oneIn, expected.oneIn);
}

TEST(RankPage, ShowsTheEngineCountOfEveryFiveCardHand) {
    const HandCounts counts = countAllHands();
    ASSERT_EQ(counts.hands, kAllHands);
    ASSERT_EQ(counts.failures, 0);
    ASSERT_EQ(counts.byCategory.count(HandCategory::None), 0u) << "hands the engine left unnamed";

    const std::map<QString, Figures> rows = figuresOnThePage();
    const std::pair<HandCategory, const char*> labels[] = {
        {HandCategory::StraightFlush, "Straight Flush"},
        {HandCategory::FourOfAKind, "Four of a Kind"},
        {HandCategory::FullHouse, "Full House"},
        {HandCategory::Flush, "Flush"},
        {HandCategory::Straight, "Straight"},
        {HandCategory::ThreeOfAKind, "Three of a Kind"},
        {HandCategory::TwoPair, "Two Pair"},
        {HandCategory::Pair, "One Pair"},
        {HandCategory::HighCard, "High Card"},
    };
    for (const auto& [category, label] : labels) {
        const auto n = counts.byCategory.find(category);
        expectRow(rows, label, n == counts.byCategory.end() ? 0 : n->second);
    }
    expectRow(rows, "of which Royal Flush", counts.royalFlushes);

    // The total row, and no row beyond the nine hands, the royal flush and the total.
    const auto total = rows.find("All hands");
    ASSERT_NE(total, rows.end());
    EXPECT_EQ(total->second.count, withThousands(kAllHands));
    EXPECT_EQ(total->second.probability, "100%");
    EXPECT_EQ(rows.size(), std::size(labels) + 2);
}

}  // namespace
}  // namespace tutor::testing
