// The sample game moved between screens of ratio 1 and 2 (the TwoScreens/
// list): its pictures are made again for the screen it shows on.
#include <QLabel>

#include "ScaledPanelFixture.h"
#include "support/Screens.h"

namespace tutor::testing {
namespace {

using SampleGameBetweenScreens = ScaledPanelTest;

qreal pictureRatio(const QWidget& panel, const char* name) {
    auto* label = panel.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->pixmap().devicePixelRatio() : 0;
}

TEST_F(SampleGameBetweenScreens, PicturesFollowTheScreenTheyShowOn) {
    ASSERT_TRUE(test::moveToScreen(panel, "S1"));
    playTo(11);
    ASSERT_EQ(panel.devicePixelRatioF(), 1.0);
    EXPECT_EQ(pictureRatio(panel, "picFlop_0"), 1.0);

    ASSERT_TRUE(test::moveToScreen(panel, "S2"));
    ASSERT_EQ(panel.devicePixelRatioF(), 2.0);
    for (const char* name : {"picFlop_0", "picPocket_0", "picDealer", "picShowDown1"})
        EXPECT_EQ(pictureRatio(panel, name), 2.0) << name;
    expectCrisp({
        {"name plates and chairs", QRect(0, 0, 643, 60)},
        {"flop", placeOf("picFlop_0").united(placeOf("picFlop_2"))},
    });

    ASSERT_TRUE(test::moveToScreen(panel, "S1"));
    EXPECT_EQ(pictureRatio(panel, "picFlop_0"), 1.0);
}

}  // namespace
}  // namespace tutor::testing
