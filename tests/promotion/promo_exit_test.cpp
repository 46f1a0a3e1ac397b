#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "fakes/FakeServices.h"
#include "mainwindow/FrmMain.h"
#include "common/mDefs.h"
#include "samplegame/SampleGamePanel.h"
#include "samplegame/DemoScript.h"

namespace tutor::testing {
namespace {

QList<QWidget*> promotionWindows() {
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName().startsWith("frmPromo")) found << w;
    return found;
}

// Records, when the program is ended, which promotion windows exist then
// and whether the main window was already unloaded.
class WitnessEnder : public ProgramEnder {
  public:
    void endProgram() override {
        ++count;
        promotionsAtEnd.clear();
        for (QWidget* w : promotionWindows()) promotionsAtEnd << w->objectName();
        mainUnloadedAtEnd = main && main->isUnloaded();
    }
    int count = 0;
    QStringList promotionsAtEnd;
    bool mainUnloadedAtEnd = false;
    const FrmMain* main = nullptr;
};

// The main window on the fake platform, ending the program through the
// witness; whatever a test does, the program ends at most once.
struct PromoWaysOut : ::testing::Test {
    PromoWaysOut() {
        ender.main = &window;
        window.show();
        QApplication::processEvents();
    }
    ~PromoWaysOut() override {
        gAltPromo = false;
        EXPECT_LE(ender.count, 1);
    }

    // Runs action inside the promotion window's animation, delayMs after
    // the close request.
    void duringPromotion(std::int64_t delayMs, std::function<void()> action) {
        fakes.events.at(fakes.clock.now + delayMs, std::move(action));
    }
    // The main window as the user sees it while the promotion runs.
    struct Seen {
        QStringList visiblePromotions;
        bool mainVisible = true;
    };
    Seen look() const {
        Seen s;
        for (QWidget* w : promotionWindows())
            if (w->isVisible()) s.visiblePromotions << w->objectName();
        s.mainVisible = window.isVisible();
        return s;
    }

    FakeServices fakes;
    WitnessEnder ender;
    Services services{
        fakes.sound,  fakes.urls,   fakes.messages, ender,       fakes.clock,
        fakes.random, fakes.screen, fakes.events,   fakes.cards, fakes.services.programFolder};
    FrmMain window{services};
};

TEST_F(PromoWaysOut, CloseRequestShowsFrmPromoAndItsCloseEndsTheProgram) {
    Seen seen;
    duringPromotion(3000, [&] {
        seen = look();
        promotionWindows().first()->close();
    });
    window.close();
    EXPECT_EQ(seen.visiblePromotions, QStringList{"frmPromo"});
    EXPECT_FALSE(seen.mainVisible);
    EXPECT_EQ(ender.count, 1);
    // The promotion unloaded the main window before it ended the program,
    // and that unload's nested close request made no second window.
    EXPECT_TRUE(ender.mainUnloadedAtEnd);
    EXPECT_EQ(ender.promotionsAtEnd, QStringList{"frmPromo"});
    EXPECT_TRUE(fakes.urls.opened.isEmpty());
    EXPECT_FALSE(window.isVisible());
    // Once the program has ended nothing of the window is left behind.
    EXPECT_TRUE(promotionWindows().isEmpty());
}

TEST_F(PromoWaysOut, AnotherCloseOfTheMainWindowDuringThePromotionChangesNothing) {
    Seen before, after;
    duringPromotion(2000, [&] {
        before = look();
        QCloseEvent again;
        QApplication::sendEvent(&window, &again);
        after = look();
        promotionWindows().first()->close();
    });
    window.close();
    EXPECT_EQ(before.visiblePromotions, QStringList{"frmPromo"});
    EXPECT_EQ(after.visiblePromotions, QStringList{"frmPromo"});
    EXPECT_FALSE(after.mainVisible);
    EXPECT_EQ(ender.promotionsAtEnd, QStringList{"frmPromo"});
    EXPECT_EQ(ender.count, 1);
}

TEST_F(PromoWaysOut, TheTwinIsShownOnlyWhileAltPromoIsSet) {
    gAltPromo = true;
    Seen seen;
    duringPromotion(3000, [&] {
        seen = look();
        promotionWindows().first()->close();
    });
    window.close();
    EXPECT_EQ(seen.visiblePromotions, QStringList{"frmPromoTwin"});
    EXPECT_EQ(ender.promotionsAtEnd, QStringList{"frmPromoTwin"});
    EXPECT_EQ(ender.count, 1);
}

TEST_F(PromoWaysOut, WebPageButtonOpensThePlayOnlinePageAndEnds) {
    duringPromotion(2500, [&] {
        QTest::mouseClick(promotionWindows().first()->findChild<QPushButton*>("cmdPokerRoom"),
                          Qt::LeftButton);
    });
    window.close();
    EXPECT_EQ(fakes.urls.opened, QStringList{playOnlineUrl});
    EXPECT_TRUE(ender.mainUnloadedAtEnd);
    EXPECT_EQ(ender.promotionsAtEnd, QStringList{"frmPromo"});
    EXPECT_EQ(ender.count, 1);
}

TEST_F(PromoWaysOut, RealGameLinkOpensThePageAndEndsWithoutPromotion) {
    fakes.urls.succeed = false;  // no browser: the program ends all the same
    emit window.picDemo()->lblEnoughClicked();
    EXPECT_EQ(fakes.urls.opened, QStringList{playOnlineUrl});
    EXPECT_EQ(ender.count, 1);
    EXPECT_TRUE(ender.mainUnloadedAtEnd);
    EXPECT_TRUE(ender.promotionsAtEnd.isEmpty());
    EXPECT_FALSE(window.showPromoOnExit());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PromoWaysOut, RealGameLinkChoosesTheReferralPageWhileAltPromoIsSet) {
    gAltPromo = true;
    window.lblEnough_Click();
    EXPECT_EQ(fakes.urls.opened, QStringList{referralUrl});
    EXPECT_TRUE(ender.promotionsAtEnd.isEmpty());
    EXPECT_EQ(ender.count, 1);
}

// A flood of presses on a way out to the web: presses already queued when
// the first one is handled reach the handler inside its own event pass.
constexpr int kFloodPresses = 50;

void queueSpacePresses(QWidget* button, int count) {
    for (int i = 0; i < count; ++i) {
        QCoreApplication::postEvent(button,
                                    new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " "));
        QCoreApplication::postEvent(button, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space,
                                                          Qt::NoModifier, " "));
    }
}

void queueClicks(QWidget* target, int count) {
    const QPointF at = QRectF(target->rect()).center();
    const QPointF global = target->mapToGlobal(at);
    for (int i = 0; i < count; ++i) {
        QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                            Qt::LeftButton, Qt::LeftButton,
                                                            Qt::NoModifier));
        QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                            Qt::LeftButton, Qt::NoButton,
                                                            Qt::NoModifier));
    }
}

TEST_F(PromoWaysOut, AFloodOfSpaceOnTheWebPageButtonOpensThePageOnceAndEndsOnce) {
    int passesBefore = 0;
    duringPromotion(2500, [&] {
        auto* button = promotionWindows().first()->findChild<QPushButton*>("cmdPokerRoom");
        queueSpacePresses(button, kFloodPresses);
        passesBefore = fakes.events.passes;
        QTest::keyClick(button, Qt::Key_Space);
    });
    window.close();
    EXPECT_EQ(fakes.urls.opened, QStringList{playOnlineUrl});
    // One pass for the handler; the presses it took in ran no pass of their own.
    EXPECT_EQ(fakes.events.passes, passesBefore + 1);
    EXPECT_TRUE(ender.mainUnloadedAtEnd);
    EXPECT_EQ(ender.count, 1);
}

TEST_F(PromoWaysOut, AFloodOfClicksOnTheRealGameLinkOpensThePageOnceAndEndsOnce) {
    window.TreeView1_NodeClick("Sample Poker Game");
    for (int step = 1; step < demo::kSteps; ++step)
        QTest::mouseClick(window.findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
    auto* link = window.findChild<QLabel*>("lblEnough");
    ASSERT_TRUE(link->isVisible());
    queueClicks(link, kFloodPresses);
    // A close request among the presses still shows no promotion window.
    QMetaObject::invokeMethod(&window, "close", Qt::QueuedConnection);
    const int passesBefore = fakes.events.passes;
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, link->rect().center());
    EXPECT_EQ(fakes.urls.opened, QStringList{playOnlineUrl});
    EXPECT_EQ(fakes.events.passes, passesBefore + 1);
    EXPECT_TRUE(ender.promotionsAtEnd.isEmpty());
    EXPECT_TRUE(promotionWindows().isEmpty());
    EXPECT_EQ(ender.count, 1);
}

}  // namespace
}  // namespace tutor::testing
