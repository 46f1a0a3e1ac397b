// The panel's controls as they are designed: fonts, colours, texts and the
// places that the layout leaves alone.
#include "LessonFixture.h"

#include "lessons/VbColor.h"

namespace tutor::testing {
namespace {

class Design : public LessonFixture {};

TEST_F(Design, Fonts) {
    struct Row {
        const char* name;
        const char* family;
        double points;
        bool bold;
    };
    const Row rows[] = {
        {"cmdKey_0", "MS Sans Serif", 9.75, true},
        {"cmdKey_51", "MS Sans Serif", 9.75, true},
        {"zCommand1", "MS Sans Serif", 8.25, true},
        {"zcommandbutton5", "MS Sans Serif", 8.25, true},
        {"lblName_0", "MS Sans Serif", 9.75, true},
        {"lblName_8", "MS Sans Serif", 9.75, true},
        {"lblHeading1", "Courier New", 20.25, true},
        {"Frame1", "MS Sans Serif", 9.75, true},
        {"Frame2", "MS Sans Serif", 9.75, true},
        {"lblEx1", "MS Sans Serif", 9.75, false},
        {"lblEx2", "MS Sans Serif", 9.75, false},
        {"lblMessage", "MS Sans Serif", 9.75, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QFont font = find(row.name)->font();
        EXPECT_EQ(font.family(), row.family);
        EXPECT_DOUBLE_EQ(font.pointSizeF(), row.points);
        EXPECT_EQ(font.bold(), row.bold);
    }
}

TEST_F(Design, Colours) {
    auto backgroundOf = [](const QWidget* w) {
        return bgrOf(w->palette().color(w->backgroundRole()));
    };
    auto background = [&](const char* name) { return backgroundOf(find(name)); };
    EXPECT_EQ(backgroundOf(panel), 0x00C0C0C0u);
    EXPECT_EQ(background("picKeys"), 0x00E0E0E0u);
    EXPECT_EQ(background("picSuits"), 0x00E0E0E0u);
    EXPECT_EQ(background("Frame1"), 0x00C0C0C0u);
    EXPECT_EQ(background("Frame2"), 0x00C0C0C0u);
    EXPECT_EQ(bgrOf(find("Frame1")->palette().color(QPalette::WindowText)), 0x00404040u);
    EXPECT_EQ(find<CaptionLabel>("lblHeading1")->backColor(), 0x00C0C0C0u);
    EXPECT_EQ(picShow()->backColor(), 0x00008000u);
    EXPECT_EQ(message()->backColor(), 0x00000000u);
    EXPECT_EQ(message()->foreColor(), 0x00FFFFFFu);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(nameLabel(i)->backColor(), 0x00E0E0E0u) << i;
}

// Twips to pixels at 15 twips a pixel: the name labels in picLabels and the
// Start buttons in their frames keep their design places.
TEST_F(Design, NameLabelsAndStartButtons) {
    const int tops[] = {4, 25, 46, 66, 86, 105, 125, 145, 165};
    const char* captions[] = {"Straight Flush", "Four of a Kind", "Full House",
                              "Flush",          "Straight",       "Three of a Kind",
                              "Two Pair",       "One Pair",       "High Card"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(nameLabel(i)->parentWidget(), picLabels());
        EXPECT_EQ(nameLabel(i)->geometry(), QRect(11, tops[i], 190, 18)) << i;
        EXPECT_EQ(nameLabel(i)->text(), captions[i]);
        EXPECT_EQ(nameLabel(i)->borderStyle(), 0) << i;
    }
    const char* starts[][2] = {{"cmdStart1A", "Frame1"}, {"cmdStart2A", "Frame1"},
                               {"cmdStart3A", "Frame1"}, {"cmdStart4", "Frame1"},
                               {"cmdStart1B", "Frame2"}, {"cmdStart2B", "Frame2"},
                               {"cmdStart3B", "Frame2"}};
    for (const auto& [name, frame] : starts) {
        auto* start = find<QPushButton>(name);
        EXPECT_EQ(start->text(), "Start") << name;
        EXPECT_EQ(start->parentWidget()->objectName(), frame) << name;
        const int left = QString(name) == "cmdStart4" ? 93 : 92;
        EXPECT_EQ(start->geometry(), QRect(left, 85, 49, 28)) << name;
    }
    EXPECT_EQ(find<QGroupBox>("Frame1")->title(), "Exercise #1");
    EXPECT_EQ(find<QGroupBox>("Frame2")->title(), "Exercise #2");
    EXPECT_EQ(find("lblEx1")->parentWidget()->objectName(), "Frame1");
    EXPECT_EQ(find("lblEx2")->parentWidget()->objectName(), "Frame2");
}

// A disabled Exercise #2 box looks switched off: its caption and its text
// are drawn lighter than when it is enabled.
TEST_F(Design, ADisabledSecondExerciseLooksDisabled) {
    panel->initLessonRankings();
    auto* frame = find<QGroupBox>("Frame2");
    auto darkest = [](const QImage& shot) {
        int least = 255;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) least = std::min(least, qGray(shot.pixel(x, y)));
        return least;
    };
    const QRect title(0, 0, frame->width(), 14);
    const int enabledTitle = darkest(frame->grab(title).toImage());
    panel->initLessonBestHand();
    const int disabledTitle = darkest(frame->grab(title).toImage());
    EXPECT_GT(disabledTitle, enabledTitle + 40);
    EXPECT_FALSE(find("lblEx2")->isEnabled());
}

}  // namespace
}  // namespace tutor::testing
