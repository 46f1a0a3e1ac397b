#include <QPushButton>
#include <QTest>

#include "PromoFixture.h"
#include "common/mDefs.h"

namespace tutor::testing {
namespace {

using PromoAnimation = PromoWindowTest<FrmPromo>;

struct Moment {
    const char* what;
    std::int64_t atMs;  // from the first show
    int pairs;
    bool jacks;
    int cards;
    bool fanned;
};

// One cycle and the start of the next. The first cycle deals from 1000 ms:
// pair i at 1000 + 125 i, the jacks at 2000 after the eighth pair and before
// the ninth (2150), the board at 3075, the reset at 5575, the next deal at
// 9475 = 1000 + 8475.
const Moment kCycle[] = {
    {"at once", 0, 0, false, 0, false},
    {"opening wait", 990, 0, false, 0, false},
    {"first pair", 1060, 1, false, 0, false},
    {"seventh pair", 1800, 7, false, 0, false},
    {"eighth pair, jacks not yet", 1940, 8, false, 0, false},
    {"jacks with the eighth pair", 2075, 8, true, 0, false},
    {"ninth pair", 2200, 9, true, 0, false},
    {"before the board", 3000, 9, true, 0, false},
    {"board fanned", 4000, 9, true, 5, true},
    {"reset, gathered and hidden", 5800, 0, false, 0, false},
    {"pause before the next deal", 9000, 0, false, 0, false},
    {"next cycle's first pair", 9500, 1, false, 0, false},
    {"next cycle's board", 12475, 9, true, 5, true},
    {"next cycle's reset", 14300, 0, false, 0, false},
};

TEST_F(PromoAnimation, OneCycleStepByStepOnTheClock) {
    std::vector<Scene> seen;
    for (const Moment& m : kCycle) at(m.atMs, [&] { seen.push_back(sceneOf(window)); });
    bool shownAtOnce = false;
    at(0, [&] { shownAtOnce = window.isVisible(); });
    at(15000, [&] { window.close(); });
    load();

    EXPECT_TRUE(shownAtOnce);
    ASSERT_EQ(seen.size(), std::size(kCycle));
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const Moment& m = kCycle[i];
        SCOPED_TRACE(m.what);
        EXPECT_EQ(seen[i].pairsDealt(), m.pairs);
        EXPECT_EQ(seen[i].jacks, m.jacks);
        EXPECT_EQ(seen[i].cardsShown(), m.cards);
        EXPECT_EQ(seen[i].lefts, m.fanned ? kFannedLefts : kDesignLefts);
    }
}

TEST_F(PromoAnimation, OnlyTheTableAndTheTextsShowBeforeTheFirstDeal) {
    QStringList visible;
    at(500, [&] {
        for (QWidget* w : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (w->isVisibleTo(&window)) visible << w->objectName();
        window.close();
    });
    load();
    visible.sort();
    EXPECT_EQ(visible,
              (QStringList{"Label1", "Label2", "Label28", "Picture4", "Picture6", "cmdPokerRoom"}));
    EXPECT_FALSE(window.findChild<QLabel*>("Picture1_4")->isVisibleTo(&window));
}

// A close request in any of the window's waits: the window stops where it
// is, the main window is unloaded once and the program ends. No picture
// shows, hides or moves after it, and no wait runs on (the clock stays).
struct CloseIn {
    const char* wait;
    std::int64_t atMs;
};

void PrintTo(const CloseIn& c, std::ostream* os) {
    *os << c.wait << " at " << c.atMs << " ms";
}

class CloseDuringWait : public PromoWindowTest<FrmPromo>,
                        public ::testing::WithParamInterface<CloseIn> {};

TEST_P(CloseDuringWait, StopsEverythingAtOnce) {
    Scene atClose;
    std::int64_t closedAt = 0;
    int endsBeforeClose = -1;
    at(GetParam().atMs, [&] {
        endsBeforeClose = fakes.ender.endCount;
        atClose = sceneOf(window);
        closedAt = fakes.clock.now;
        window.close();
    });
    load();
    EXPECT_EQ(endsBeforeClose, 0);
    EXPECT_TRUE(window.isEnd());
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(fakes.ender.endCount, 1);
    EXPECT_EQ(fakes.clock.now, closedAt);
    EXPECT_EQ(sceneOf(window), atClose);
    EXPECT_TRUE(fakes.urls.opened.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EachWait, CloseDuringWait,
                         ::testing::Values(CloseIn{"Opening1000", 400}, CloseIn{"Deal125", 1360},
                                           CloseIn{"Jacks150", 2100},
                                           CloseIn{"BeforeBoard800", 2700},
                                           CloseIn{"Fanned2500", 4800}, CloseIn{"Reset400", 5700},
                                           CloseIn{"Pause3500", 8000},
                                           CloseIn{"SecondCycleDeal125", 10700}),
                         [](const auto& info) { return std::string(info.param.wait); });

// The web-page button: frmPromo always opens the play-online page; the twin
// the referral page while gAltPromo is set.
struct ButtonCase {
    const char* name;
    bool twin;
    bool altPromo;
    const QString* address;
};

void PrintTo(const ButtonCase& c, std::ostream* os) {
    *os << c.name;
}

class WebPageButton : public ::testing::TestWithParam<ButtonCase> {
  protected:
    void TearDown() override { gAltPromo = false; }
};

TEST_P(WebPageButton, OpensThePageUnloadsTheMainWindowAndEnds) {
    const ButtonCase& c = GetParam();
    FakeServices fakes;
    int unloads = 0;
    std::unique_ptr<PromoWindow> window;
    if (c.twin)
        window = std::make_unique<FrmPromoTwin>(fakes.services, [&] { ++unloads; });
    else
        window = std::make_unique<FrmPromo>(fakes.services, [&] { ++unloads; });
    gAltPromo = c.altPromo;
    Scene atClick;
    int passesBefore = 0, passesAfter = 0;
    fakes.events.at(fakes.clock.now + 2100, [&] {
        atClick = sceneOf(*window);
        passesBefore = fakes.events.passes;
        QTest::mouseClick(window->findChild<QPushButton*>("cmdPokerRoom"), Qt::LeftButton);
        passesAfter = fakes.events.passes;
    });
    window->Form_Load();
    EXPECT_EQ(fakes.urls.opened, QStringList{*c.address});
    EXPECT_EQ(passesAfter, passesBefore + 1);
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(fakes.ender.endCount, 1);
    EXPECT_FALSE(window->isEnd());
    EXPECT_EQ(sceneOf(*window), atClick);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WebPageButton,
    ::testing::Values(ButtonCase{"Promo", false, false, &playOnlineUrl},
                      ButtonCase{"PromoWhileAltPromo", false, true, &playOnlineUrl},
                      ButtonCase{"Twin", true, false, &playOnlineUrl},
                      ButtonCase{"TwinWhileAltPromo", true, true, &referralUrl}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PromoAnimation, ACloseRequestDuringTheButtonsEventPassEndsTheProgramOnce) {
    at(2100, [&] {
        QMetaObject::invokeMethod(&window, "close", Qt::QueuedConnection);
        window.cmdPokerRoom_Click();
    });
    load();
    EXPECT_EQ(fakes.urls.opened.size(), 1);
    EXPECT_TRUE(window.isEnd());
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(fakes.ender.endCount, 1);
}

}  // namespace
}  // namespace tutor::testing
