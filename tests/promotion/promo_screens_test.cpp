// A promotion window moved between screens of ratio 1 and 2 (the
// TwoScreens/ list) in the middle of its animation: its pictures are made
// again for the screen it shows on.
#include "PromoFixture.h"
#include "PromoPixels.h"
#include "support/Screens.h"

namespace tutor::testing {
namespace {

using FrmPromoBetweenScreens = PromoWindowTest<FrmPromo>;

TEST_F(FrmPromoBetweenScreens, PicturesFollowTheScreenItShowsOn) {
    const char* const pictures[] = {"Picture6_image", "Picture2_0", "Picture3", "Picture1_0",
                                    "Picture1_4"};
    auto ratios = [&] {
        std::vector<qreal> found;
        for (const char* name : pictures) {
            auto* label = window.findChild<QLabel*>(name);
            found.push_back(label ? label->pixmap().devicePixelRatio() : 0);
        }
        return found;
    };
    std::vector<qreal> onS1, onS2, backOnS1;
    at(3500, [&] {
        ASSERT_TRUE(test::moveToScreen(window, "S1"));
        onS1 = ratios();
        ASSERT_TRUE(test::moveToScreen(window, "S2"));
        onS2 = ratios();
    });
    at(4000, [&] {
        expectPromoCrisp(window);
        ASSERT_TRUE(test::moveToScreen(window, "S1"));
        backOnS1 = ratios();
        window.close();
    });
    load();
    EXPECT_EQ(onS1, std::vector<qreal>(5, 1.0));
    EXPECT_EQ(onS2, std::vector<qreal>(5, 2.0));
    EXPECT_EQ(backOnS1, std::vector<qreal>(5, 1.0));
}

}  // namespace
}  // namespace tutor::testing
