#include "LessonFixture.h"

namespace tutor::testing {
namespace {

class Painting : public LessonFixture {
protected:
    // Start 1A puts xincr at 71 / 3, rounded: 24.
    void startPicking() {
        panel->initLessonHandNames();
        clickName("cmdStart1A");
        fakes.cards.draws.clear();
    }
};

TEST_F(Painting, CardsFanOutAFifthOfACardApart) {
    startPicking();
    ASSERT_EQ(st().xincr, 24);
    for (int k : {0, 1, 2, 3, 4}) click(key(k));
    ASSERT_EQ(fakes.cards.draws.size(), 5u);
    const int xs[] = {38, 52, 66, 80, 94};
    // picShow's client area is 184 pixels high: a fifth is 36.8, drawn at 37.
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(fakes.cards.draws[i].x, xs[i]);
        EXPECT_EQ(fakes.cards.draws[i].y, 37);
        EXPECT_EQ(fakes.cards.draws[i].mode, 0);
        EXPECT_EQ(fakes.cards.draws[i].colour, 0x00FFFFFFu);
    }
}

TEST_F(Painting, AceKeysPaintTheirCards) {
    startPicking();
    for (int k : {12, 25, 38, 51}) click(key(k));
    std::vector<int> ids;
    for (const auto& d : fakes.cards.draws) ids.push_back(d.cardId);
    EXPECT_EQ(ids, (std::vector<int>{0, 1, 3, 2}));
}

TEST_F(Painting, AKeyWithNoCardStillMovesThePosition) {
    startPicking();
    panel->drawCardShow(52);
    panel->drawCardLabels(-1);
    EXPECT_TRUE(fakes.cards.draws.empty());
    EXPECT_EQ(st().xincr, 24 + 2 * 14);
}

// The card shows in the window at once, where it was drawn, and stays there
// until the window is cleared.
TEST_F(Painting, APaintedCardShowsInItsWindowUntilCleared) {
    startPicking();
    click(key(8));  // ten of clubs, card id 36
    const int border = HandWindow::kBorderPixels;
    QImage shot = picShow()->grab().toImage();
    const QPoint corner(38 + border, 37 + border);
    EXPECT_EQ(QColor(shot.pixel(corner)), QColor(36 * 4, 0, 0));
    EXPECT_EQ(QColor(shot.pixel(corner + QPoint(35, 48))), QColor(Qt::white));
    EXPECT_EQ(QColor(shot.pixel(corner + QPoint(-2, 48))), QColor(0, 128, 0));  // green felt

    // A resize keeps the painting; Clear erases it.
    picShow()->resize(picShow()->width() + 20, picShow()->height());
    shot = picShow()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(corner)), QColor(36 * 4, 0, 0));
    clickName("cmdClear");
    shot = picShow()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(corner + QPoint(35, 48))), QColor(0, 128, 0));
}

}  // namespace
}  // namespace tutor::testing
