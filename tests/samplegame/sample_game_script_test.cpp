// The scripted game as the user walks through it: the table, the commentary
// and the waits after every step, for a first game and for its replay.
#include "SampleGameFixture.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

namespace tutor::testing {
namespace {

const char* const kStart = "7905,4080";
const char* const kDealt = "6605,5380";

struct Row {
    int step;
    const char* labels;
    const char* pockets;
    const char* board;
    const char* showdown;
    const char* dealer;
    const char* button;
    int link;
    int waits;  // waits the step makes
};

// The table after each step.
const Row kGame[] = {
    {1, "", "", "", "", kStart, "Next", 0, 0},
    {2, "", "", "", "", kStart, "Next", 0, 0},
    {3, "0:0.25 1:0.50", "01234567", "", "", kDealt, "Next", 0, 10},
    {4, "0:0.25 1:0.50 2:50c", "01234567", "", "", kDealt, "Next", 0, 0},
    {5, "0:0.25 1:0.50 2:50c 3:50c", "01234567", "", "", kDealt, "Next", 0, 0},
    {6, "0:0.25 1:0.50 2:50c 3:50c 4:folded", "0123567", "", "", kDealt, "Next", 0, 0},
    {7, "0:0.25 1:0.50 2:50c 3:50c 4:folded 5:folded", "012367", "", "", kDealt, "Next", 0, 0},
    {8, "0:0.25 1:0.50 2:50c 3:50c 4:folded 5:folded 6:50c", "012367", "", "", kDealt, "Next", 0,
     0},
    {9, "0:0.25 1:0.50 2:50c 3:50c 4:folded 5:folded 6:50c 7:50c", "012367", "", "", kDealt, "Next",
     0, 0},
    // The big blind's check is told only in the commentary: seat 1 keeps "0.50".
    {10, "0:50c 1:0.50 2:50c 3:50c 4:folded 5:folded 6:50c 7:50c", "012367", "", "", kDealt, "Next",
     0, 0},
    {11, "8:Pot  $3.00", "012367", "012", "", kDealt, "Next", 0, 3},
    {12, "0:chk 8:Pot  $3.00", "012367", "012", "", kDealt, "Next", 0, 0},
    {13, "0:chk 1:chk 8:Pot  $3.00", "012367", "012", "", kDealt, "Next", 0, 0},
    {14, "0:chk 1:chk 2:chk 8:Pot  $3.00", "012367", "012", "", kDealt, "Next", 0, 0},
    {15, "0:chk 1:chk 2:chk 3:50c 8:Pot  $3.00", "012367", "012", "", kDealt, "Next", 0, 0},
    {16, "0:chk 1:chk 2:chk 3:50c 6:folds 8:Pot  $3.00", "01237", "012", "", kDealt, "Next", 0, 0},
    {17, "0:chk 1:chk 2:chk 3:50c 6:folds 7:50c 8:Pot  $3.00", "01237", "012", "", kDealt, "Next",
     0, 0},
    {18, "0:folds 1:chk 2:chk 3:50c 6:folds 7:50c 8:Pot  $3.00", "1237", "012", "", kDealt, "Next",
     0, 0},
    {19, "0:folds 1:folds 2:chk 3:50c 6:folds 7:50c 8:Pot  $3.00", "237", "012", "", kDealt, "Next",
     0, 0},
    {20, "0:folds 1:folds 2:50c 3:50c 6:folds 7:50c 8:Pot  $3.00", "237", "012", "", kDealt, "Next",
     0, 0},
    {21, "8:Pot  $4.50", "237", "0123", "", kDealt, "Next", 0, 1},
    {22, "2:chk 8:Pot  $4.50", "237", "0123", "", kDealt, "Next", 0, 0},
    {23, "2:chk 3:chk 8:Pot  $4.50", "237", "0123", "", kDealt, "Next", 0, 0},
    {24, "2:chk 3:chk 7:$1 8:Pot  $4.50", "237", "0123", "", kDealt, "Next", 0, 0},
    {25, "2:$1 3:chk 7:$1 8:Pot  $4.50", "237", "0123", "", kDealt, "Next", 0, 0},
    {26, "2:$1 3:folds 7:$1 8:Pot  $4.50", "27", "0123", "", kDealt, "Next", 0, 0},
    {27, "8:Pot  $6.50", "27", "01234", "", kDealt, "Next", 0, 1},
    {28, "2:chk 8:Pot  $6.50", "27", "01234", "", kDealt, "Next", 0, 0},
    {29, "2:chk 7:$1 8:Pot  $6.50", "27", "01234", "", kDealt, "Next", 0, 0},
    {30, "2:$2 7:$1 8:Pot  $6.50", "27", "01234", "", kDealt, "Next", 0, 0},
    {31, "2:$2 7:$2 8:Pot  $6.50", "27", "01234", "", kDealt, "Next", 0, 0},
    {32, "8:Pot  $10.50", "27", "01234", "12", kDealt, "Next", 0, 1},
    {33, "8:Pot  $10.50", "27", "01234", "12", kDealt, "Next", 0, 0},
    {34, "8:Pot  $10.50", "27", "01234", "12", kDealt, "Replay", 1, 0},
};

std::string expectedTable(const Row& r) {
    return std::string("labels=") + r.labels + " | pockets=" + r.pockets + " | board=" + r.board +
           " | showdown=" + r.showdown + " | dealer=" + r.dealer + " | button=" + r.button +
           " | link=" + std::to_string(r.link);
}

class SampleGameScript : public SampleGameTest {
  protected:
    // Plays one game from the table's state at step 1, checking every step
    // and the waits it makes; returns with step 34 performed.
    void checkWholeGame() {
        for (const Row& row : kGame) {
            SCOPED_TRACE("step " + std::to_string(row.step));
            const std::size_t waitsBefore = fakes.events.waitDeadlines.size();
            if (row.step > 1) clickNext();
            EXPECT_EQ(panel->demoStep(), row.step);
            EXPECT_EQ(table(), expectedTable(row));
            EXPECT_EQ(comments(), expectedComments(row.step));
            EXPECT_EQ(fakes.events.waitDeadlines.size() - waitsBefore,
                      static_cast<std::size_t>(row.waits));
        }
    }
};

TEST_F(SampleGameScript, WholeGameThenReplayPlaysTheSame) {
    EXPECT_EQ(panel->demoStep(), 0);
    start();
    checkWholeGame();
    // Replay: the click past step 34 clears the table and shows step 1.
    nextButton()->click();
    ASSERT_EQ(panel->demoStep(), 1);
    EXPECT_EQ(table(), expectedTable(kGame[0]));
    EXPECT_EQ(comments(), expectedComments(1));
    // The replay's dealer slides from the same start, not from where the
    // first game left it.
    checkWholeGame();
}

TEST_F(SampleGameScript, StartingAgainMidGameClearsTheTable) {
    start();
    playTo(27);
    start();
    EXPECT_EQ(panel->demoStep(), 1);
    EXPECT_EQ(table(), expectedTable(kGame[0]));
    EXPECT_EQ(comments(), expectedComments(1));
    playTo(3);
    EXPECT_EQ(table(), expectedTable(kGame[2]));
}

// The box shows CR LF as one line break, with blanks kept as written.
TEST_F(SampleGameScript, CommentaryBreaksLinesAtCrLf) {
    start();
    auto* box = panel->findChild<QPlainTextEdit*>(QStringLiteral("txtComments"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->document()->blockCount(), 2);
    EXPECT_EQ(box->document()->findBlockByNumber(1).text(), " (click next  to continue)");
    playTo(34);
    EXPECT_EQ(box->document()->blockCount(), 4);
    EXPECT_EQ(box->document()->findBlockByNumber(1).text(), "Silver Quill Poker has free games,");
}

// Step 33 writes its heading, then reads the box back and appends one piece
// 21 times; every other step writes the box once.
TEST_F(SampleGameScript, SummaryIsBuiltInTwentyTwoWrites) {
    start();
    playTo(32);
    auto* box = panel->findChild<QPlainTextEdit*>(QStringLiteral("txtComments"));
    QStringList writes;
    QObject::connect(box, &QPlainTextEdit::textChanged,
                     [&] { writes.push_back(panel->commentsText()); });
    clickNext();
    ASSERT_EQ(writes.size(), 22);
    EXPECT_EQ(writes.front(), "Summary of the action..");
    EXPECT_EQ(writes[1],
              "Summary of the action..\r\nThere were no raises preflop, everyone smooth "
              "called the blinds. ");
    for (int i = 1; i < writes.size(); ++i)
        EXPECT_TRUE(writes[i].startsWith(writes[i - 1])) << "write " << i;
    EXPECT_TRUE(writes.back().endsWith("at the monitor :-)"));
    writes.clear();
    clickNext();
    EXPECT_EQ(writes.size(), 1);
}

// Each animation's waits, in order, and where the table stands inside them.
struct AnimationCase {
    const char* name;
    int step;
    std::vector<std::int64_t> waits;                   // deadlines after the click
    std::vector<std::pair<std::int64_t, Row>> inside;  // the table at a time inside
};

void PrintTo(const AnimationCase& c, std::ostream* os) {
    *os << c.name;
}

class SampleGameWaits : public SampleGameTest,
                        public ::testing::WithParamInterface<AnimationCase> {};

TEST_P(SampleGameWaits, WaitsInOrderAndTableBetweenThem) {
    const AnimationCase& c = GetParam();
    start();
    playTo(c.step - 1);
    const std::int64_t t0 = fakes.clock.now;
    const std::size_t first = fakes.events.waitDeadlines.size();
    std::vector<std::pair<std::int64_t, std::string>> seen;
    for (const auto& probe : c.inside)
        fakes.events.at(t0 + probe.first,
                        [&, at = probe.first] { seen.emplace_back(at, table()); });
    clickNext();
    std::vector<std::int64_t> waits;
    for (std::int64_t d : waitsSince(first, t0))
        if (waits.empty() || waits.back() != d) waits.push_back(d);  // probes split a wait
    EXPECT_EQ(waits, c.waits);
    EXPECT_EQ(fakes.clock.now - t0, c.waits.back());
    ASSERT_EQ(seen.size(), c.inside.size());
    for (std::size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i].second, expectedTable(c.inside[i].second)) << "at " << seen[i].first;
}

Row at(const char* labels, const char* pockets, const char* board = "", const char* showdown = "") {
    return {0, labels, pockets, board, showdown, kDealt, "Next", 0, 0};
}

INSTANTIATE_TEST_SUITE_P(
    Animations, SampleGameWaits,
    ::testing::Values(
        AnimationCase{"dealNewHand",
                      3,
                      {500, 1000, 1200, 1400, 1600, 1800, 2000, 2200, 2400, 2600},
                      {{250, at("", "")},
                       {750, at("0:0.25 1:0.50", "")},
                       {1100, at("0:0.25 1:0.50", "0")},
                       {1300, at("0:0.25 1:0.50", "01")},
                       {1900, at("0:0.25 1:0.50", "01234")},
                       {2500, at("0:0.25 1:0.50", "01234567")}}},
        AnimationCase{"showFlop",
                      11,
                      {300, 600, 900},
                      {{150, at("8:Pot  $3.00", "012367", "0")},
                       {450, at("8:Pot  $3.00", "012367", "01")},
                       {750, at("8:Pot  $3.00", "012367", "012")}}},
        AnimationCase{"showTurn", 21, {300}, {{150, at("8:Pot  $4.50", "237", "012")}}},
        AnimationCase{"showRiver", 27, {300}, {{150, at("8:Pot  $6.50", "27", "0123")}}},
        AnimationCase{"showShowdown", 32, {300}, {{150, at("8:Pot  $10.50", "27", "01234")}}}),
    [](const ::testing::TestParamInfo<AnimationCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tutor::testing
