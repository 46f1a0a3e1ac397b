#include "LessonFixture.h"

#include <cmath>

#include "lessons/LessonControls.h"

namespace tutor::testing {
namespace {

struct Box {
    float left, top, width, height;
};

void expectBox(const TwipsControl& c, const Box& want, const char* name) {
    SCOPED_TRACE(name);
    // The layout stores single-precision twips; 976.67 stands for 8790 / 9.
    // A NaN in the table means "any value".
    const auto expectNear = [](float got, float wanted) {
        if (!std::isnan(wanted)) {
            EXPECT_NEAR(got, wanted, 0.01);
        }
    };
    expectNear(c.left(), want.left);
    expectNear(c.top(), want.top);
    expectNear(c.width(), want.width);
    expectNear(c.height(), want.height);
}

constexpr float any = NAN;

class Layout : public LessonFixture {};

// The worked layout of a 10455 x 8790 page pane beside a tree at 135 + 3015.
TEST_F(Layout, WorkedLayoutOnLaterRuns) {
    panel->initKeys();
    const LessonControls& c = panel->controls();
    expectBox(*page, {3300.75f, 165, 10455, 8790}, "WebBrowser1");
    expectBox(*quiz, {3300.75f, 165, 10455, 8790}, "picQuiz");
    expectBox(*demo, {3300.75f, 165, 10455, 8790}, "picDemo");
    expectBox(c.picKeys.geom(), {2872.5f, 4395, 6045, 1740}, "picKeys");
    expectBox(c.picShow.geom(), {2017.5f, 976.67f, 3210, 2820}, "picShow");
    expectBox(c.picLabels.geom(), {5227.5f, 976.67f, 3210, 2820}, "picLabels");
    expectBox(c.lblHeading1.geom(), {3300, 439.5f, 3855, 465}, "lblHeading1");
    expectBox(c.cmdClear.geom(), {4627.5f, 6990, 1200, 855}, "cmdClear");
    expectBox(c.picSuits.geom(), {1484.1f, 4395, 1335, 1755}, "picSuits");
    expectBox(c.Frame1.geom(), {1152, 6522, 3135, 1890}, "Frame1");
    expectBox(c.Frame2.geom(), {6168, 6522, 3135, 1890}, "Frame2");
    expectBox(c.lblMessage.geom(), {2017.5f, 3796.67f, 6420, 240}, "lblMessage");
    // Where the widgets land, in whole pixels.
    EXPECT_EQ(panel->geometry(), QRect(220, 11, 697, 586));
    EXPECT_EQ(picShow()->geometry(), QRect(135, 65, 214, 188));
    EXPECT_EQ(message()->geometry(), QRect(135, 253, 428, 16));
}

// The first run still sees picShow's design width of 3180.
TEST_F(Layout, FirstRunPlacesPicShowByItsDesignWidth) {
    const LessonControls& c = panel->controls();
    expectBox(c.picShow.geom(), {2047.5f, 976.67f, 3210, 2820}, "picShow");
    expectBox(c.lblMessage.geom(), {2047.5f, 3796.67f, 6420, 240}, "lblMessage");
    expectBox(c.picKeys.geom(), {2872.5f, 4395, 6045, 1740}, "picKeys");
}

TEST_F(Layout, SampleGamePanelOnAnEightHundredPixelScreen) {
    build(800);
    expectBox(*demo, {3300.75f - 800, 165, 10455 + 950, 8790}, "picDemo at 800");
    expectBox(*quiz, {3300.75f, 165, 10455, 8790}, "picQuiz at 800");
    build(1024);
    expectBox(*demo, {3300.75f, 165, 10455, 8790}, "picDemo at 1024");
}

TEST_F(Layout, TheLayoutFollowsThePagePane) {
    page->setWidth(6000);
    page->setHeight(4500);
    panel->initKeys();
    const LessonControls& c = panel->controls();
    expectBox(*quiz, {3300.75f, 165, 6000, 4500}, "picQuiz");
    expectBox(c.picKeys.geom(), {3000 - 3022.5f + 667.5f, 2250, 6045, 1740}, "picKeys");
    expectBox(c.Frame1.geom(), {3000 - 4075.5f, 4500 - 2268, any, any}, "Frame1");
}

// After the layout the area waits for a Start: invitation blinking, keys and Clear off.
TEST_F(Layout, LeavesTheAreaWaitingForStart) {
    clickName("cmdStart1A");
    ASSERT_EQ(enabledKeys(), 52);
    ASSERT_FALSE(st().blinkMessage);
    panel->initKeys();
    EXPECT_EQ(message()->text(), "Click [Start] to begin...");
    EXPECT_TRUE(st().blinkMessage);
    EXPECT_EQ(enabledKeys(), 0);
    EXPECT_FALSE(find("cmdClear")->isEnabled());
    EXPECT_TRUE(st().mode1A);  // the mode stays
}

// A control the layout cannot reach ends it there, silently: the keyboard is
// laid out, the closing steps are not run.
TEST_F(Layout, AMissingPagePaneEndsTheLayoutAtThatStep) {
    clickName("cmdStart1A");
    panel->setMainLayout({tree.get(), nullptr, quiz.get(), demo.get()});
    panel->initKeys();
    EXPECT_EQ(message()->text(), "Pick 5 cards from the keyboard..");
    EXPECT_FALSE(st().blinkMessage);
    EXPECT_EQ(enabledKeys(), 52);
    EXPECT_EQ(key(8)->text(), "10");
}

}  // namespace
}  // namespace tutor::testing
