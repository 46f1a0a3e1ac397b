#include "LessonFixture.h"

#include <QApplication>

#include "lessons/VbColor.h"

namespace tutor::testing {
namespace {

struct ScreenRow {
    const char* name;
    void (*setUp)(LessonPanel&);
    const char* heading;
    const char* ex1;
    const char* ex2;
    std::vector<int> labelsShown;
    std::vector<const char*> captions2To6;
    std::uint32_t picLabelsColour;
    const char* message;
    bool setsBlink;
    std::vector<const char*> startsShown;
    bool frame2Enabled;
};

const std::vector<const char*> kNames = {"Full House", "Flush", "Straight", "Three of a Kind",
                                         "Two Pair"};
const std::vector<const char*> kValues = {"Very Good", "Good", "Average", "Bad", "Very Bad"};
const char* const kStarts[] = {"cmdStart1A", "cmdStart1B", "cmdStart2A", "cmdStart2B",
                               "cmdStart3A", "cmdStart3B", "cmdStart4"};

const ScreenRow kScreens[] = {
    {"HandNames",
     [](LessonPanel& p) { p.initLessonHandNames(); },
     "Poker Hand Names",
     "You pick 5 cards from the keyboard the program displays the poker hand name",
     "The program will display a random hand, you pick the correct name from the list",
     {0, 1, 2, 3, 4, 5, 6, 7, 8},
     kNames,
     0x00E0E0E0,
     "Click [Start] to begin..",
     false,
     {"cmdStart1A", "cmdStart1B"},
     true},
    {"PairValue",
     [](LessonPanel& p) { p.initLessonPairValue(); },
     "Pre-Flop Pair Value",
     "Pick 2 cards from the keyboard, program displays the preflop pair value",
     "The program will display a random pair, you pick a value label from the list",
     {2, 3, 4, 5, 6},
     kValues,
     0x00E0E0E0,
     "Click [Start] to begin..",
     false,
     {"cmdStart3A", "cmdStart3B"},
     true},
    {"Rankings",
     [](LessonPanel& p) { p.initLessonRankings(); },
     "Poker Hand Rankings",
     "You pick  2 sets of 5 cards from the keyboard, the program picks the higher ranked hand",
     "The program will display 2 random hands, you pick the highest ranked hand",
     {},
     {},
     0x00008000,
     "Click [Start] to begin...",
     true,
     {"cmdStart2A", "cmdStart2B"},
     true},
    {"BestHand",
     [](LessonPanel& p) { p.initLessonBestHand(); },
     "Best Hand Recognition",
     "Pick the best pocket pair to the board. (full house or less)",
     "",
     {},
     {},
     0x00008000,
     "Click [Start] to begin...",
     true,
     {"cmdStart4"},
     false},
};

class Screens : public LessonFixture {
  protected:
    void check(const ScreenRow& row);
};

TEST_F(Screens, EachShowsItsLesson) {
    for (const ScreenRow& row : kScreens) {
        SCOPED_TRACE(row.name);
        build();
        check(row);
    }
}

void Screens::check(const ScreenRow& row) {
    // Leave a lesson half done: picked cards in both windows, a highlighted
    // label, blinking stopped, keys and Clear enabled.
    panel->initLessonHandNames();
    clickName("cmdStart1A");
    click(key(0));
    panel->drawCardLabels(5);
    panel->highlightName(3);
    ASSERT_FALSE(st().blinkMessage);

    row.setUp(*panel);

    EXPECT_EQ(find<QLabel>("lblHeading1")->text(), row.heading);
    EXPECT_EQ(find<QLabel>("lblEx1")->text(), row.ex1);
    EXPECT_EQ(find<QLabel>("lblEx2")->text(), row.ex2);
    EXPECT_EQ(message()->text(), row.message);
    EXPECT_EQ(st().blinkMessage, row.setsBlink);
    for (int i = 0; i < 9; ++i) {
        const bool shown =
            std::find(row.labelsShown.begin(), row.labelsShown.end(), i) != row.labelsShown.end();
        EXPECT_EQ(nameLabel(i)->isVisible(), shown) << i;
        if (!shown) continue;
        EXPECT_EQ(nameLabel(i)->foreColor(), 0u) << i;
        EXPECT_EQ(nameLabel(i)->backColor(), 0x00E0E0E0u) << i;
        EXPECT_EQ(nameLabel(i)->borderStyle(), 0) << i;
    }
    for (std::size_t i = 0; i < row.captions2To6.size(); ++i)
        EXPECT_EQ(nameLabel(2 + static_cast<int>(i))->text(), row.captions2To6[i]);
    EXPECT_EQ(picLabels()->backColor(), row.picLabelsColour);
    for (const char* start : kStarts) {
        const bool shown = std::find_if(row.startsShown.begin(), row.startsShown.end(),
                                        [&](const char* s) { return QString(s) == start; }) !=
                           row.startsShown.end();
        EXPECT_EQ(find(start)->isVisible(), shown) << start;
    }
    EXPECT_EQ(find("Frame2")->isEnabled(), row.frame2Enabled);
    EXPECT_EQ(enabledKeys(), 0);
    EXPECT_FALSE(find("cmdClear")->isEnabled());
    // Both hand windows lost their cards.
    const QImage show = picShow()->surface();
    EXPECT_EQ(show.pixel(60, 60), QColor(0, 128, 0).rgb());
    EXPECT_EQ(picLabels()->surface().pixel(60, 60),
              QColor(picLabels()->palette().window().color()).rgb());
    // The screens select no lesson mode.
    EXPECT_TRUE(st().mode1A);
}

class ScreenChanges : public LessonFixture {};

TEST_F(ScreenChanges, HandNamesAfterPairValueRestoresTheNames) {
    panel->initLessonPairValue();
    panel->initLessonHandNames();
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(nameLabel(i)->isVisible());
        EXPECT_EQ(nameLabel(i)->text(),
                  (std::vector<QString>{"Straight Flush", "Four of a Kind", "Full House", "Flush",
                                        "Straight", "Three of a Kind", "Two Pair", "One Pair",
                                        "High Card"}[i]));
    }
}

TEST_F(ScreenChanges, HandNamesKeepsABlinkingInvitationBlinking) {
    ASSERT_TRUE(st().blinkMessage);  // set by the layout
    panel->initLessonHandNames();
    EXPECT_TRUE(st().blinkMessage);
}

TEST_F(ScreenChanges, HighlightShowsExactlyOneLabelInvertedAndKeepsFrames) {
    panel->initLessonHandNames();
    clickName("cmdStart1B");
    panel->lblName_MouseMove(5);  // frames label 5
    panel->highlightName(3);
    panel->highlightName(8);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(nameLabel(i)->foreColor(), i == 8 ? 0x00E0E0E0u : 0u) << i;
        EXPECT_EQ(nameLabel(i)->backColor(), i == 8 ? 0u : 0x00E0E0E0u) << i;
        EXPECT_EQ(nameLabel(i)->borderStyle(), i == 5 ? 1 : 0) << i;
    }
}

// The rows of a label's picture, inside a one-pixel edge, that hold dark text.
std::pair<int, int> darkRows(const QImage& shot) {
    int first = -1, last = -1;
    for (int y = 1; y < shot.height() - 1; ++y)
        for (int x = 1; x < shot.width() - 1; ++x)
            if (qGray(shot.pixel(x, y)) < 100) {
                if (first < 0) first = y;
                last = y;
                break;
            }
    return {first, last};
}

// The hover frame adds a border and nothing else: the caption stays where it
// was, give or take the frame's pixel, and its descenders stay clear of it.
TEST_F(ScreenChanges, TheHoverFrameLeavesTheCaptionInPlace) {
    panel->initLessonHandNames();
    const auto [top, bottom] = darkRows(nameLabel(4)->grab().toImage());  // "Straight"
    ASSERT_GE(top, 0);
    clickName("cmdStart1B");
    panel->lblName_MouseMove(4);
    ASSERT_EQ(nameLabel(4)->borderStyle(), 1);
    const QImage framed = nameLabel(4)->grab().toImage();
    EXPECT_LT(qGray(framed.pixel(0, framed.height() / 2)), 100);  // the frame shows
    const auto [framedTop, framedBottom] = darkRows(framed);
    EXPECT_LE(std::abs(framedTop - top), 1);
    EXPECT_LE(std::abs(framedBottom - bottom), 1);
    EXPECT_LT(framedBottom, framed.height() - 2);
}

// Before any reset only label 0 is black by design; the others take the
// system's window-text colour.
TEST_F(ScreenChanges, NameLabelsStartInTheirDesignColours) {
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    EXPECT_EQ(nameLabel(0)->foreColor(), 0u);
    for (int i = 1; i < 9; ++i) EXPECT_EQ(vbColor(nameLabel(i)->foreColor()), windowText) << i;
}

TEST_F(ScreenChanges, BestHandScreenDisablesTheSecondExercise) {
    panel->initLessonBestHand();
    EXPECT_FALSE(find("Frame2")->isEnabled());
    panel->initLessonRankings();
    EXPECT_TRUE(find("Frame2")->isEnabled());
}

}  // namespace
}  // namespace tutor::testing
