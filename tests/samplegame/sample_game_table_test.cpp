// The table's controls: their places, pictures, stacking and the link.
#include "SampleGameFixture.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <algorithm>
#include <cmath>
#include <string>

namespace tutor::testing {
namespace {

using SampleGameTable = SampleGameTest;

struct Placed {
    const char* name;
    double left, top, width, height;  // design twips, relative to the parent
};

// Every control of the panel, at 15 twips a pixel.
TEST_F(SampleGameTable, ControlsStandAtTheirDesignPlaces) {
    const Placed controls[] = {
        {"picDealer", 7905, 4080, 390, 345},      {"picPocket_0", 2190, 4755, 615, 645},
        {"picPocket_1", 1305, 3390, 615, 645},    {"picPocket_2", 1905, 1815, 615, 645},
        {"picPocket_3", 3690, 1155, 615, 645},    {"picPocket_4", 5715, 1110, 615, 645},
        {"picPocket_5", 7230, 1785, 615, 645},    {"picPocket_6", 7830, 3405, 615, 645},
        {"picPocket_7", 6945, 4815, 615, 645},    {"picFlop_0", 3300, 2805, 810, 1080},
        {"picFlop_1", 4095, 2805, 810, 1080},     {"picFlop_2", 4890, 2805, 810, 1080},
        {"picFlop_3", 5685, 2805, 810, 1080},     {"picFlop_4", 6465, 2790, 810, 1080},
        {"picShowDown1", 1935, 1665, 1035, 1080}, {"picShowDown2", 6510, 4395, 1020, 1080},
        {"lblArray_0", 2850, 4950, 330, 240},     {"lblArray_1", 1965, 3585, 330, 240},
        {"lblArray_2", 2565, 2070, 330, 240},     {"lblArray_3", 3900, 1785, 330, 240},
        {"lblArray_4", 5910, 1755, 330, 240},     {"lblArray_5", 7470, 2415, 330, 240},
        {"lblArray_6", 7500, 3615, 330, 240},     {"lblArray_7", 6585, 5010, 330, 240},
        {"lblArray_8", 4905, 4080, 300, 240},     {"Picture1", 2970, 5925, 3810, 1785},
        {"txtComments", 105, 75, 3570, 1590},     {"cmdNext", 4410, 7740, 1050, 315},
        {"lblEnough", 2520, 8280, 4845, 270},
    };
    auto px = [](double twips) { return static_cast<int>(std::lround(twips / 15)); };
    EXPECT_EQ(panel->size(), QSize(px(9720), px(8760)));
    for (const Placed& c : controls) {
        auto* w = panel->findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), QRect(px(c.left), px(c.top), px(c.width), px(c.height))) << c.name;
        EXPECT_EQ(w->parentWidget(), std::string(c.name) == "txtComments"
                                         ? panel->findChild<QWidget*>("Picture1")
                                         : panel.get())
            << c.name;
    }
}

// The slide's 1300 one-twip moves must move the button on screen too, not
// stall on a position snapped to whole pixels.
TEST_F(SampleGameTable, DealerButtonSlidesOnScreen) {
    start();
    EXPECT_EQ(label("picDealer")->pos(), QPoint(527, 272));
    playTo(3);
    EXPECT_EQ(label("picDealer")->pos(), QPoint(440, 359));  // 6605, 5380 twips
    playTo(34);
    clickNext();
    EXPECT_EQ(label("picDealer")->pos(), QPoint(527, 272));
}

// The pictures are drawn when the game first starts, not when the panel is
// built at start-up.
TEST_F(SampleGameTable, PicturesHaveTheirSizesAndCards) {
    EXPECT_TRUE(fakes.cards.draws.empty());
    start();
    const std::pair<const char*, QSize> sizes[] = {
        {"picDealer", {26, 23}},    {"picPocket_5", {39, 41}},  {"picFlop_2", {54, 72}},
        {"picShowDown1", {67, 70}}, {"picShowDown2", {66, 70}},
    };
    for (const auto& [name, size] : sizes) EXPECT_EQ(label(name)->pixmap().size(), size) << name;

    // Faces through the card library: the board Jc 5h 8s 6h 7h, then 4c Tc
    // and Jh Jd; the hole cards are backs.
    std::vector<int> faces;
    int backs = 0;
    for (const auto& d : fakes.cards.draws) {
        if (d.mode == 0) faces.push_back(d.cardId);
        if (d.mode == 1) ++backs;
    }
    EXPECT_EQ(faces, (std::vector<int>{40, 18, 31, 22, 26, 12, 36, 42, 41}));
    EXPECT_EQ(backs, 2);
}

// The cards are scaled from the size the card library reports, not from a
// size of our own: a library with larger cards still fills each picture
// edge to edge, its border showing at the right and bottom.
TEST_F(SampleGameTable, CardsFollowTheSizeTheLibraryReports) {
    fakes.cards.width = 142;
    fakes.cards.height = 192;
    const QImage card = makeTablePictures(fakes.cards).board[0].toImage();
    ASSERT_EQ(card.size(), QSize(54, 72));
    const std::string border = QColor(40 * 4, 0, 0).name().toStdString();  // jack of clubs
    auto at = [&](int x, int y) { return card.pixelColor(x, y).name().toStdString(); };
    EXPECT_EQ(at(27, 36), "#ffffff");
    EXPECT_EQ(at(53, 36), border);
    EXPECT_EQ(at(27, 71), border);
}

// White labels must stay readable: the table under each label is dark.
TEST_F(SampleGameTable, TableIsDarkUnderTheWhiteLabels) {
    start();
    const QImage shot = panel->grab().toImage();
    for (int i = 0; i <= 8; ++i) {
        const QRect r = label(("lblArray_" + std::to_string(i)).c_str())->geometry();
        double sum = 0;
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x < r.left() + 40; ++x, ++n)
                sum += QColor(shot.pixel(x, y)).lightnessF();
        EXPECT_LT(sum / n, 0.4) << "label " << i;
    }
}

TEST_F(SampleGameTable, TablePictureFillsItsCornerOfThePanel) {
    EXPECT_EQ(makeTablePictures(fakes.cards).table.size(), QSize(643, 539));
    const QImage shot = panel->grab().toImage();
    // The picture at the top left, the panel's black beyond it.
    EXPECT_NE(QColor(shot.pixel(642, 538)), QColor(Qt::black));
    EXPECT_EQ(QColor(shot.pixel(643, 538)), QColor(Qt::black));
    EXPECT_EQ(QColor(shot.pixel(642, 539)), QColor(Qt::black));
}

// Siblings stack in creation order: every action label lies above every
// card and the dealer button, whatever overlaps when the table fills up.
TEST_F(SampleGameTable, LabelsLieAboveTheCards) {
    const QObjectList children = panel->children();
    auto depth = [&](const char* name) {
        return children.indexOf(panel->findChild<QWidget*>(QString::fromLatin1(name)));
    };
    qsizetype highestCard = depth("picDealer");
    for (const char* name : {"picShowDown1", "picShowDown2"})
        highestCard = std::max(highestCard, depth(name));
    for (int i = 0; i < 8; ++i)
        highestCard = std::max(highestCard, depth(("picPocket_" + std::to_string(i)).c_str()));
    for (int i = 0; i < 5; ++i)
        highestCard = std::max(highestCard, depth(("picFlop_" + std::to_string(i)).c_str()));
    for (int i = 0; i <= 8; ++i)
        EXPECT_GT(depth(("lblArray_" + std::to_string(i)).c_str()), highestCard) << i;
}

TEST_F(SampleGameTable, ShowdownHandsLieAboveTheHoleCards) {
    start();
    playTo(32);
    const QPoint overSeat2 = label("picPocket_2")->geometry().center();
    const QPoint overSeat7 = label("picPocket_7")->geometry().center();
    EXPECT_EQ(panel->childAt(overSeat2), label("picShowDown1"));
    EXPECT_EQ(panel->childAt(overSeat7), label("picShowDown2"));
}

// A caption never wraps or is cut: the label grows to the pot's longest.
TEST_F(SampleGameTable, LabelsShowTheirWholeCaption) {
    start();
    playTo(32);
    QLabel* pot = label("lblArray_8");
    EXPECT_GE(pot->width(), pot->fontMetrics().horizontalAdvance("Pot  $10.50"));
    playTo(6);  // a full game later, seat 4 reads "folded"
    QLabel* seat4 = label("lblArray_4");
    EXPECT_EQ(seat4->text(), "folded");
    EXPECT_GE(seat4->width(), seat4->fontMetrics().horizontalAdvance("folded"));
}

TEST_F(SampleGameTable, LinkIsGreenBoldUnderlinedAndClickable) {
    int clicks = 0;
    QObject::connect(panel.get(), &SampleGamePanel::lblEnoughClicked, [&] { ++clicks; });
    start();
    playTo(34);
    QLabel* link = label("lblEnough");
    EXPECT_EQ(link->text(), "Enough poker school, Take me to a real game");
    EXPECT_TRUE(link->font().bold());
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0xc0, 0));
    EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseClick(link, Qt::RightButton);
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

// The link's tool tip names the room's site and offers the free play chips,
// as one sentence: its pieces in another order read wrong.
TEST_F(SampleGameTable, LinkToolTipNamesTheSiteAndTheFreeChips) {
    EXPECT_EQ(label("lblEnough")->toolTip(),
              "Silver Quill Poker at play.example.com: free $1000 play chips to practise with");
}

}  // namespace
}  // namespace tutor::testing
