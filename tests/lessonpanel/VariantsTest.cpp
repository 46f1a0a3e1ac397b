// Each of the seven exercises from its Start to its result, through the
// real controls, with the deals scripted and the sounds recorded.
#include "PanelFixture.h"

#include <QApplication>
#include <QFileInfo>

namespace tutor::testing {
namespace {

// Five-card hands as key indices.
const std::vector<int> kFlush = {clubs(col(2)), clubs(col(4)), clubs(col(6)), clubs(col(8)),
                                 clubs(col(kJ))};  // code 5
const std::vector<int> kHighCard = {clubs(col(2)), diamonds(col(3)), spades(col(5)), hearts(col(8)),
                                    diamonds(col(kK))};  // code 20
const std::vector<int> kHighCardAgain = {diamonds(col(2)), clubs(col(3)), hearts(col(5)),
                                         spades(col(8)), clubs(col(kK))};  // same ranks
const std::vector<int> kPair = {clubs(col(7)), diamonds(col(7)), clubs(col(2)), diamonds(col(9)),
                                spades(col(kK))};  // code 9
const std::vector<int> kTwoPair = {clubs(col(7)), diamonds(col(7)), clubs(col(4)), diamonds(col(4)),
                                   spades(col(kK))};  // code 8
const std::vector<int> kRoyal = {clubs(col(10)), clubs(col(kJ)), clubs(col(kQ)), clubs(col(kK)),
                                 clubs(col(kA))};  // code 2

std::vector<int> concat(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<int> tail(const std::vector<int>& v, std::size_t n) {
    return std::vector<int>(v.end() - static_cast<std::ptrdiff_t>(std::min(n, v.size())), v.end());
}

class Variants : public PanelFixture {};

TEST_F(Variants, OneA_FivePicksHighlightTheHandsName) {
    panel->initLessonHandNames();
    clickName("cmdStart1A");
    EXPECT_TRUE(clearEnabled());
    EXPECT_EQ(message()->text(), "Pick 5 cards from the keyboard..");
    EXPECT_FALSE(st().blinkMessage);
    EXPECT_EQ(messageColour(), 0x00FFFFFFu);

    pick({kFlush[0], kFlush[1], kFlush[2], kFlush[3]});
    EXPECT_EQ(highlighted(), -1);
    EXPECT_EQ(enabledKeys(), 48);  // only the picked keys are taken
    EXPECT_EQ(st().cardsPicked, 4);

    click(key(kFlush[4]));
    EXPECT_EQ(highlighted(), 3);  // "Flush"
    EXPECT_EQ(st().handValue1, 5);
    EXPECT_EQ(st().hand1[0].value, 0);  // the pick leaves the value field alone
    EXPECT_EQ(st().cardsPicked, 0);
    EXPECT_EQ(enabledKeys(), 0);
    EXPECT_EQ(paintedIds(), cardIdsOfKeys(kFlush));
    EXPECT_EQ(paintedXs(), (std::vector<int>{38, 52, 66, 80, 94}));
    EXPECT_EQ(message()->text(), "Pick 5 cards from the keyboard..");
    EXPECT_TRUE(fakes.sound.played.isEmpty());
}

// A pick of 1A, 2A or 3A hands the focus to the first hand window; a pocket
// pick of mode 4 leaves it where it was.
TEST_F(Variants, PicksAndTheFocus) {
    QApplication::setActiveWindow(form.get());
    panel->initLessonHandNames();
    clickName("cmdStart1A");
    key(20)->setFocus();
    click(key(0));
    EXPECT_EQ(QApplication::focusWidget(), picShow());

    panel->initLessonBestHand();
    scriptPass({clubs(col(2)), diamonds(col(6)), spades(col(9)), hearts(col(kJ)), clubs(col(kA))});
    clickName("cmdStart4");
    key(20)->setFocus();
    click(key(3));
    EXPECT_EQ(QApplication::focusWidget(), key(20));
}

TEST_F(Variants, OneA_HighCardAndStraightFlushHighlightTheEndLabels) {
    panel->initLessonHandNames();
    clickName("cmdStart1A");
    pick(kHighCard);
    EXPECT_EQ(highlighted(), 8);
    clickName("cmdStart1A");
    pick(kRoyal);
    EXPECT_EQ(highlighted(), 0);
}

// Bias draw 1 accepts straight flush to three of a kind: a high card and a
// pair are dealt again, the flush stands. Only the last hand stays painted.
TEST_F(Variants, OneB_BiasedDealThenWrongAndRightName) {
    panel->initLessonHandNames();
    scriptBias(1);
    scriptPass(kHighCard);
    scriptPass(kPair);
    scriptPass(kFlush);
    clickName("cmdStart1B");

    EXPECT_EQ(fakes.random.reseeds, 4);  // the bias draw and every pass
    EXPECT_TRUE(fakes.random.queue.empty());
    EXPECT_EQ(st().handValue1, 5);
    EXPECT_EQ(st().hand1[0].value, 5);
    ASSERT_EQ(fakes.cards.draws.size(), 15u);
    EXPECT_EQ(tail(paintedIds(), 5), cardIdsOfKeys(kFlush));
    EXPECT_EQ(tail(paintedXs(), 5), (std::vector<int>{38, 52, 66, 80, 94}));
    EXPECT_TRUE(st().awaitingAnswer);
    EXPECT_TRUE(st().mode1B);
    EXPECT_EQ(enabledKeys(), 0);
    EXPECT_TRUE(clearEnabled());
    EXPECT_EQ(message()->text(), "Click a poker hand name from the list..");

    clickLabel(4);  // "Straight"
    EXPECT_EQ(sounds(), QStringList{"wavs/no.wav"});
    EXPECT_EQ(highlighted(), -1);
    EXPECT_TRUE(st().awaitingAnswer);

    clickLabel(3);  // "Flush"
    EXPECT_EQ(sounds(), (QStringList{"wavs/no.wav", "wavs/yes.wav"}));
    for (const QString& path : fakes.sound.played)
        EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();  // in the program folder
    EXPECT_EQ(highlighted(), 3);
    EXPECT_FALSE(st().awaitingAnswer);
    EXPECT_EQ(message()->text(), "Click a poker hand name from the list..");

    // Answered: the labels no longer react.
    clickLabel(4);
    hover(6);
    hover(7);
    EXPECT_EQ(fakes.sound.played.size(), 2);
    EXPECT_EQ(framed(), -1);
    EXPECT_EQ(highlighted(), 3);
}

TEST_F(Variants, OneB_EveryPressDealsAnewWithAFreshBiasDraw) {
    panel->initLessonHandNames();
    scriptBias(5);
    scriptPass(kPair);
    clickName("cmdStart1B");
    EXPECT_EQ(st().handValue1, 9);
    scriptBias(6);
    scriptPass(kHighCard);  // any hand stands for r = 4..6, a high card included
    clickName("cmdStart1B");
    EXPECT_EQ(st().handValue1, 20);
    EXPECT_EQ(fakes.random.reseeds, 4);
    EXPECT_TRUE(st().awaitingAnswer);
    clickLabel(8);
    EXPECT_EQ(sounds(), QStringList{"wavs/yes.wav"});
}

TEST_F(Variants, TwoA_TenPicksGiveTheWinnerSentence) {
    panel->initLessonRankings();
    clickName("cmdStart2A");
    EXPECT_FALSE(clearEnabled());  // until the first pick
    EXPECT_EQ(message()->text(), "Pick 2 sets of 5 card hands from the keyboard..");
    EXPECT_FALSE(st().blinkMessage);
    click(key(kPair[0]));
    EXPECT_TRUE(clearEnabled());
    pick({kPair[1], kPair[2], kPair[3], kPair[4]});
    EXPECT_FALSE(windowEmpty(picShow()));
    EXPECT_TRUE(windowEmpty(picLabels()));
    pick({kRoyal[0], kRoyal[1], kRoyal[2], kRoyal[3]});
    EXPECT_EQ(st().cardsPicked, 9);
    click(key(kRoyal[4]));

    EXPECT_FALSE(windowEmpty(picLabels()));
    // The sixth card starts the second window at the first card's place.
    EXPECT_EQ(paintedXs(), (std::vector<int>{38, 52, 66, 80, 94, 38, 52, 66, 80, 94}));
    EXPECT_EQ(paintedIds(), cardIdsOfKeys(concat(kPair, kRoyal)));
    EXPECT_EQ(st().handValue1, 9);
    EXPECT_EQ(st().handValue2, 2);
    EXPECT_EQ(message()->text(), "Hand (2) wins with a straight flush");
    EXPECT_TRUE(st().blinkMessage);
    EXPECT_EQ(st().cardsPicked, 0);
    EXPECT_EQ(enabledKeys(), 0);
}

TEST_F(Variants, TwoA_SameCategoryIsComparedByItsTieBreaks) {
    panel->initLessonRankings();
    clickName("cmdStart2A");
    pick(concat(kHighCard, kHighCardAgain));
    EXPECT_EQ(message()->text(), "There is a tie");
}

// Bias draw 3 of the Rankings table accepts three of a kind to one pair:
// the high card is dealt again; hand 2 is never biased.
TEST_F(Variants, TwoB_BiasedHandOneUnbiasedHandTwoThenHandClicks) {
    panel->initLessonRankings();
    scriptBias(3);
    scriptPass(concat(kHighCard, kFlush));
    scriptPass(concat(kTwoPair, kHighCard));
    clickName("cmdStart2B");

    EXPECT_EQ(fakes.random.reseeds, 3);
    EXPECT_EQ(st().handValue1, 8);
    EXPECT_EQ(st().handValue2, 20);
    EXPECT_EQ(st().hand2[0].value, 20);
    ASSERT_EQ(fakes.cards.draws.size(), 15u);
    EXPECT_EQ(tail(paintedIds(), 10), cardIdsOfKeys(concat(kTwoPair, kHighCard)));
    EXPECT_TRUE(st().awaitingAnswer);
    EXPECT_TRUE(clearEnabled());
    EXPECT_EQ(message()->text(), "Click the window with the best hand..");
    EXPECT_FALSE(st().blinkMessage);

    click(picShow());
    EXPECT_EQ(message()->text(), "Hand (1) wins with a two pair");
    EXPECT_TRUE(st().blinkMessage);
    EXPECT_TRUE(st().awaitingAnswer);
    message()->setText("");
    click(picLabels());
    EXPECT_EQ(message()->text(), "Hand (1) wins with a two pair");
    EXPECT_TRUE(fakes.sound.played.isEmpty());
    EXPECT_TRUE(st().awaitingAnswer);
}

TEST_F(Variants, TwoB_EqualHandsTie) {
    panel->initLessonRankings();
    scriptBias(4);
    scriptPass(concat(kHighCard, kHighCardAgain));
    clickName("cmdStart2B");
    click(picLabels());
    EXPECT_EQ(message()->text(), "There is a tie");
}

TEST_F(Variants, ThreeA_TwoPicksShowTheValueLabelAndValue) {
    panel->initLessonPairValue();
    clickName("cmdStart3A");
    EXPECT_TRUE(clearEnabled());
    EXPECT_EQ(message()->text(), "Pick 2 cards from the keyboard..");
    click(key(spades(col(kQ))));
    EXPECT_EQ(highlighted(), -1);
    click(key(spades(col(10))));                         // QTs
    EXPECT_EQ(paintedXs(), (std::vector<int>{64, 78}));  // from 71 * 0.7, rounded
    EXPECT_EQ(st().handValue1, 80);
    EXPECT_EQ(highlighted(), 3);
    EXPECT_EQ(message()->text(), "Preflop rank is 80%");
    EXPECT_EQ(enabledKeys(), 0);
    EXPECT_EQ(st().cardsPicked, 0);
}

TEST_F(Variants, ThreeB_DealtPairWrongThenRightValue) {
    panel->initLessonPairValue();
    // Cards of an earlier exercise stay under the new ones: 3B does not clear.
    clickName("cmdStart3A");
    pick({clubs(col(kA)), clubs(col(kK))});
    fakes.cards.draws.clear();
    const poker::CardRec untouched = st().hand2[3];

    scriptPass({spades(col(kQ)), spades(col(10))});
    clickName("cmdStart3B");
    EXPECT_EQ(fakes.random.reseeds, 1);
    EXPECT_EQ(paintedXs(), (std::vector<int>{64, 78}));
    EXPECT_EQ(paintedIds(), cardIdsOfKeys({spades(col(kQ)), spades(col(10))}));
    EXPECT_EQ(st().handValue2, 80);
    EXPECT_EQ(st().hand2[0].value, 80);
    EXPECT_EQ(st().hand2[3].id, untouched.id);
    EXPECT_TRUE(st().awaitingAnswer);
    EXPECT_EQ(highlighted(), -1);  // the label reset undid the 3A highlight
    EXPECT_EQ(enabledKeys(), 0);
    EXPECT_EQ(message()->text(), "Click a pair value label from the list..");

    clickLabel(4);
    EXPECT_EQ(sounds(), QStringList{"wavs/no.wav"});
    EXPECT_EQ(message()->text(), "Click a pair value label from the list..");
    clickLabel(3);
    EXPECT_EQ(sounds(), (QStringList{"wavs/no.wav", "wavs/yes.wav"}));
    EXPECT_EQ(highlighted(), 3);
    EXPECT_EQ(message()->text(), "Preflop rank is 80%");
    EXPECT_FALSE(st().awaitingAnswer);
    clickLabel(2);
    EXPECT_EQ(fakes.sound.played.size(), 2);
}

// A board of the ace, seven and three of hearts: the flush answer names the
// king and queen of hearts. The first pass deals three sevens and is refused.
TEST_F(Variants, Four_BoardThenTwoPocketPicks) {
    panel->initLessonBestHand();
    ASSERT_TRUE(st().blinkMessage);
    const std::vector<int> threeSevens = {clubs(col(7)), diamonds(col(7)), spades(col(7)),
                                          clubs(col(2)), diamonds(col(9))};
    const std::vector<int> board = {hearts(col(kA)), hearts(col(7)), hearts(col(3)), clubs(col(9)),
                                    diamonds(col(kJ))};
    scriptPass(threeSevens);
    scriptPass(board, false);  // the second pass shuffles the deck as the first left it
    clickName("cmdStart4");

    EXPECT_EQ(fakes.random.reseeds, 2);
    EXPECT_EQ(paintedIds(), cardIdsOfKeys(board));
    EXPECT_EQ(paintedXs(), (std::vector<int>{38, 52, 66, 80, 94}));
    EXPECT_EQ(st().bestHandText, "Best hand is a Hearts Flush (KQ)");
    EXPECT_EQ(enabledKeys(), 47);
    for (int k : board) EXPECT_FALSE(key(k)->isEnabled()) << k;
    EXPECT_EQ(message()->text(), "Select the best pocket pair (full house or less)");
    EXPECT_TRUE(st().blinkMessage);  // Start 4 leaves the blinking as it was
    EXPECT_FALSE(clearEnabled());
    EXPECT_EQ(st().xincr, 36);

    fakes.cards.draws.clear();
    click(key(hearts(col(kK))));
    EXPECT_EQ(paintedXs(), std::vector<int>{50});
    EXPECT_FALSE(windowEmpty(picLabels()));
    EXPECT_EQ(st().cardsPicked, 1);
    EXPECT_FALSE(clearEnabled());
    EXPECT_EQ(enabledKeys(), 46);
    EXPECT_EQ(message()->text(), "Select the best pocket pair (full house or less)");

    click(key(spades(col(2))));
    EXPECT_EQ(paintedXs(), (std::vector<int>{50, 64}));
    EXPECT_EQ(message()->text(), "Best hand is a Hearts Flush (KQ)");
    EXPECT_TRUE(clearEnabled());
    EXPECT_EQ(enabledKeys(), 0);
    EXPECT_EQ(st().cardsPicked, 0);
}

// A paired board is answered with the full house, whatever the flush.
TEST_F(Variants, Four_PairedBoardAnswersTheFullHouse) {
    panel->initLessonBestHand();
    scriptPass({hearts(col(3)), hearts(col(7)), hearts(col(9)), clubs(col(kK)), diamonds(col(kK))});
    clickName("cmdStart4");
    EXPECT_EQ(st().bestHandText, "Best hand is a Hearts Flush (AK)");
    pick({clubs(col(2)), clubs(col(4))});
    EXPECT_EQ(message()->text(), "Best full house is a  (K-9)");
}

// In 2B or 3B, or before any Start, a key click does nothing at all.
TEST_F(Variants, KeyClicksOutsideThePickingModesDoNothing) {
    panel->cmdKey_Click(4);
    EXPECT_TRUE(fakes.cards.draws.empty());
    panel->initLessonRankings();
    clickName("cmdStart2A");
    pick({0, 1, 2});
    scriptBias(4);
    scriptPass(concat(kTwoPair, kFlush));
    clickName("cmdStart2B");
    // The keys of the cut-short 2A exercise stay enabled and inert.
    EXPECT_EQ(enabledKeys(), 49);
    fakes.cards.draws.clear();
    click(key(40));
    EXPECT_TRUE(key(40)->isEnabled());
    EXPECT_TRUE(fakes.cards.draws.empty());
    EXPECT_EQ(st().cardsPicked, 3);
}

}  // namespace
}  // namespace tutor::testing
