#include <cmath>
#include <functional>
#include <utility>

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QPushButton>
#include <QTimer>

#include "MainWindowFixture.h"
#include "lessons/LessonPanel.h"
#include "common/mDefs.h"
#include "samplegame/SampleGamePanel.h"

namespace tutor::testing {
namespace {

int enabledCardKeys(const FrmMain& window) {
    int n = 0;
    for (auto* key : window.findChildren<QPushButton*>(QRegularExpression("^cmdKey_\\d+$")))
        n += key->isEnabled() ? 1 : 0;
    return n;
}

// An ordinary frame, as openbox draws it: 2 pixels wider than the window's
// inside and 25 pixels taller, in twips.
constexpr float kOrdinaryFrameWidth = 2 * 15;
constexpr float kOrdinaryFrameHeight = 25 * 15;

struct Resize : MainWindowTest {
    TwipsControl& web() { return *window.mainLayout().webBrowser1; }
    TwipsControl& tree() { return *window.mainLayout().treeView1; }
    int enabledKeys() const { return enabledCardKeys(window); }
    void fitUnderAnOrdinaryFrame(float outerWidth, float outerHeight) {
        window.fitToOuterSize(outerWidth, outerHeight, outerWidth - kOrdinaryFrameWidth,
                              outerHeight - kOrdinaryFrameHeight);
    }
};

TEST_F(Resize, FitsThePaneAndTheTreeToTheOuterSize) {
    const float webLeft = web().left(), webTop = web().top();
    fitUnderAnOrdinaryFrame(20000, 12000);
    EXPECT_FLOAT_EQ(web().width(), 16385);
    EXPECT_FLOAT_EQ(web().height(), 11150);
    EXPECT_FLOAT_EQ(tree().height(), 11150);
    EXPECT_FLOAT_EQ(tree().width(), 3015);
    EXPECT_FLOAT_EQ(tree().left(), 135);
    EXPECT_FLOAT_EQ(tree().top(), 165);
    EXPECT_FLOAT_EQ(web().left(), webLeft);
    EXPECT_FLOAT_EQ(web().top(), webTop);
}

TEST_F(Resize, ARealResizeUsesTheWindowsOuterSize) {
    window.resize(1200, 800);
    QApplication::processEvents();
    const QSizeF outer = window.outerSizeTwips();
    EXPECT_FLOAT_EQ(web().width(), static_cast<float>(outer.width()) - 3015 - 600);
    EXPECT_FLOAT_EQ(web().height(), static_cast<float>(outer.height()) - 850);
    EXPECT_FLOAT_EQ(tree().height(), web().height());
    EXPECT_EQ(window.webBrowser1()->height(), static_cast<int>(std::lround(web().height() / 15)));
}

TEST_F(Resize, ARefusedStepIsSkippedAndTheRestStillRun) {
    fitUnderAnOrdinaryFrame(20000, 12000);
    // Narrower than the tree plus 600 twips: the width is refused.
    fitUnderAnOrdinaryFrame(3000, 9000);
    EXPECT_FLOAT_EQ(web().width(), 16385);
    EXPECT_FLOAT_EQ(web().height(), 8150);
    EXPECT_FLOAT_EQ(tree().height(), 8150);
    // Too low as well: the tree takes the pane's height all the same.
    fitUnderAnOrdinaryFrame(3000, 100);
    EXPECT_FLOAT_EQ(web().height(), 8150);
    EXPECT_FLOAT_EQ(tree().height(), 8150);
    // Beyond any control: both refused, nothing lost.
    fitUnderAnOrdinaryFrame(INFINITY, std::nanf(""));
    EXPECT_FLOAT_EQ(web().width(), 16385);
    EXPECT_FLOAT_EQ(web().height(), 8150);
}

TEST_F(Resize, ANarrowWindowKeepsThePaneWidthAndFollowsInHeight) {
    const float webWidth = web().width();
    window.resize(150, 500);  // 2250 twips and a frame: narrower than 3015 + 600
    QApplication::processEvents();
    const QSizeF outer = window.outerSizeTwips();
    ASSERT_LT(outer.width(), 3615);
    EXPECT_FLOAT_EQ(web().width(), webWidth);
    EXPECT_FLOAT_EQ(web().height(), static_cast<float>(outer.height()) - 850);
    EXPECT_FLOAT_EQ(tree().height(), web().height());
}

// initKeys disables the keys of a lesson in progress; it must run last even
// when every step before it was refused.
TEST_F(Resize, TheLessonAreaIsLaidOutAgainWhateverWasRefused) {
    window.TreeView1_NodeClick("Poker Hand Names");
    window.picQuiz()->cmdStart1A_Click();
    auto* key = window.findChild<QPushButton*>("cmdKey_0");
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(key->isEnabled());
    const float width = web().width(), height = web().height();
    fitUnderAnOrdinaryFrame(INFINITY, std::nanf(""));
    EXPECT_FLOAT_EQ(web().width(), width);
    EXPECT_FLOAT_EQ(web().height(), height);
    EXPECT_FALSE(key->isEnabled());
}

// Minimising, maximising and restoring change no size the window system
// always reports as a resize; each is a change of size all the same, and
// lays the lesson area out again, ending a lesson turn's key input.
TEST_F(Resize, EveryWindowStateChangeLaysTheLessonAreaOutAgain) {
    struct Change {
        const char* name;
        std::function<void(FrmMain&)> apply;
    };
    const Change changes[] = {
        {"minimise", [](FrmMain& w) { w.showMinimized(); }},
        {"restore", [](FrmMain& w) { w.showNormal(); }},
        {"maximise", [](FrmMain& w) { w.showMaximized(); }},
        {"minimise from maximised", [](FrmMain& w) { w.showMinimized(); }},
        {"restore to maximised",
         [](FrmMain& w) { w.setWindowState(w.windowState() & ~Qt::WindowMinimized); }},
        {"restore from maximised", [](FrmMain& w) { w.showNormal(); }},
    };
    window.TreeView1_NodeClick("Poker Hand Names");
    auto* start = window.findChild<QPushButton*>("cmdStart1A");
    auto* message = window.findChild<QLabel*>("lblMessage");
    ASSERT_NE(start, nullptr);
    ASSERT_NE(message, nullptr);
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        start->click();
        ASSERT_EQ(enabledKeys(), 52);
        change.apply(window);
        QApplication::processEvents();
        EXPECT_EQ(enabledKeys(), 0);
        EXPECT_EQ(message->text().toStdString(), "Click [Start] to begin...");
    }
}

// Once the window is unloaded, a state change lays nothing out.
TEST_F(Resize, AStateChangeAfterTheUnloadLeavesTheLessonAlone) {
    window.TreeView1_NodeClick("Poker Hand Names");
    window.setShowPromoOnExit(false);
    window.close();
    ASSERT_TRUE(window.isUnloaded());
    window.picQuiz()->cmdStart1A_Click();
    window.showMinimized();
    QApplication::processEvents();
    EXPECT_EQ(enabledKeys(), 52);
}

// The main window under a window manager that frames it only after its
// first show, as openbox does. The frame is simulated: the window's outer
// size is its inner size plus the frame, and a new frame comes with the
// move the window system reports when the window manager reframes it.
class LateFramedWindow : public FrmMain {
public:
    using FrmMain::FrmMain;
    QSize frame{0, 0};  // both borders and the title bar together

protected:
    QSize outerSize() const override { return size() + frame; }
};

// Calls back whenever an event of one type reaches the watched object,
// before the object handles it.
class BeforeEvent : public QObject {
public:
    BeforeEvent(QObject* watched, QEvent::Type type, std::function<void()> callback)
        : type_(type), callback_(std::move(callback)) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == type_) callback_();
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void()> callback_;
};

// A lesson turn is under way whenever the window system reports something,
// so that its 52 enabled keys show whether the window was laid out again.
struct LateFrame : ::testing::Test {
    LateFrame() {
        window.show();
        QApplication::processEvents();
        window.TreeView1_NodeClick("Poker Hand Names");
    }
    TwipsControl& web() { return *window.mainLayout().webBrowser1; }
    TwipsControl& tree() { return *window.mainLayout().treeView1; }
    int enabledKeys() const { return enabledCardKeys(window); }
    // The window manager frames the window anew; the inside moves by shift.
    void reframe(QSize frame, QPoint shift) {
        window.frame = frame;
        window.move(window.pos() + shift);
        QApplication::processEvents();
    }
    void expectLaidOutForTheOuterSize() {
        const QSize outer = window.size() + window.frame;
        EXPECT_FLOAT_EQ(web().width(), outer.width() * 15.f - 3015 - 600);
        EXPECT_FLOAT_EQ(web().height(), outer.height() * 15.f - 850);
        EXPECT_FLOAT_EQ(tree().height(), web().height());
        EXPECT_EQ(window.webBrowser1()->size(),
                  QSize(std::lround(web().width() / 15), std::lround(web().height() / 15)));
        EXPECT_EQ(window.treeView1()->height(), std::lround(tree().height() / 15));
    }

    FakeServices fakes;
    LateFramedWindow window{fakes.services};
};

// Without this, the first layout stays made for the window without its
// frame until the user first resizes, maximises or restores it.
TEST_F(LateFrame, EachNewFrameLaysTheWindowOutOnceAndNoMore) {
    struct Step {
        const char* name;
        QSize frame;
        QPoint shift;
        bool laysOut;
    };
    const Step steps[] = {
        {"the frame arrives", {2, 25}, {1, 20}, true},
        {"the user moves the window", {2, 25}, {40, 30}, false},
        {"the window system reports the place again", {2, 25}, {0, 0}, false},
        {"the frame grows", {8, 31}, {3, 3}, true},
        {"the frame is removed", {0, 0}, {-4, -23}, true},
        {"a move without a frame", {0, 0}, {-10, 10}, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        window.picQuiz()->cmdStart1A_Click();
        ASSERT_EQ(enabledKeys(), 52);
        reframe(step.frame, step.shift);
        EXPECT_EQ(enabledKeys(), step.laysOut ? 0 : 52);
        expectLaidOutForTheOuterSize();
    }
}

// A resize that moves the window as well sends the move first; the layout
// is the resize's alone, made once.
TEST_F(LateFrame, AResizeThatMovesTheWindowIsLaidOutByTheResizeAlone) {
    reframe({2, 25}, {1, 20});
    window.picQuiz()->cmdStart1A_Click();
    int keysWhenTheResizeCame = -1;
    BeforeEvent watch(&window, QEvent::Resize, [&] { keysWhenTheResizeCame = enabledKeys(); });
    window.setGeometry(QRect(window.pos() - QPoint(30, 20), window.size() + QSize(60, 40)));
    QApplication::processEvents();
    EXPECT_EQ(keysWhenTheResizeCame, 52);
    EXPECT_EQ(enabledKeys(), 0);
    expectLaidOutForTheOuterSize();
}

// Under weston's XWayland, Qt counts the compositor's invisible shadow in
// the frame (76 x 97 pixels); the resize rule's outer size is then too
// large by as much. Whatever frame is reported, the page pane, the tree and
// the panels that follow the pane end inside the window; an ordinary frame
// leaves the rule's figures as they are.
TEST_F(LateFrame, ThePanesEndInsideTheWindowWhateverFrameIsReported) {
    struct Frame {
        QSize frame;
        bool outsized;  // more than the rule leaves room for
    };
    const Frame frames[] = {{{76, 97}, true}, {{40, 60}, true}, {{2, 25}, false}};
    const QSize sizes[] = {{921, 653}, {1200, 800}, {700, 500}, {1024, 768}, {400, 300}};
    for (const Frame& f : frames) {
        reframe(f.frame, {1, 20});
        for (const QSize& size : sizes) {
            SCOPED_TRACE(QString("frame %1 x %2, window %3 x %4")
                             .arg(f.frame.width())
                             .arg(f.frame.height())
                             .arg(size.width())
                             .arg(size.height())
                             .toStdString());
            window.resize(size);
            QApplication::processEvents();
            ASSERT_EQ(window.size(), size);
            const float innerRight = size.width() * 15.f, innerBottom = size.height() * 15.f;
            const float webRight = web().left() + web().width();
            const float webBottom = web().top() + web().height();
            if (f.outsized) {
                EXPECT_FLOAT_EQ(webRight, innerRight - 135);
                EXPECT_FLOAT_EQ(webBottom, innerBottom - 135);
            } else {
                expectLaidOutForTheOuterSize();
            }
            EXPECT_LE(tree().top() + tree().height(), innerBottom - 135);
            EXPECT_FLOAT_EQ(tree().height(), web().height());
            for (const char* name : {"WebBrowser1", "TreeView1", "picQuiz", "picDemo"}) {
                const QRect placed = window.findChild<QWidget*>(name)->geometry();
                EXPECT_TRUE(window.rect().contains(placed))
                    << name << " at " << ::testing::PrintToString(placed) << " in a window of "
                    << ::testing::PrintToString(window.size());
            }
        }
    }
}

using WaysOut = MainWindowTest;

TEST_F(WaysOut, CloseRequestHandsOverToThePromotionWindow) {
    ASSERT_FALSE(gAltPromo);
    QStringList shownDuringPromotion;
    // Whatever the promotion window does with the clock, close it a while
    // in, as the user would.
    fakes.events.at(fakes.clock.now + 5000, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) shownDuringPromotion << w->objectName();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName().startsWith("frmPromo")) w->close();
    });
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(window.isUnloaded());
    EXPECT_FALSE(shownDuringPromotion.contains("frmMain"));
    EXPECT_FALSE(shownDuringPromotion.contains("frmPromoTwin"));
    EXPECT_EQ(fakes.ender.endCount, 1);
    EXPECT_TRUE(fakes.urls.opened.isEmpty());
}

TEST_F(WaysOut, CloseBeforeTheFlagIsArmedJustCloses) {
    window.setShowPromoOnExit(false);
    window.close();
    EXPECT_TRUE(window.isUnloaded());
    EXPECT_EQ(fakes.ender.endCount, 0);
}

TEST_F(WaysOut, RealGameLinkOpensThePageAndEndsWithoutPromotion) {
    fakes.urls.succeed = false;  // no browser: it ends all the same
    emit window.picDemo()->lblEnoughClicked();
    EXPECT_EQ(fakes.urls.opened, QStringList{playOnlineUrl});
    EXPECT_FALSE(window.showPromoOnExit());
    EXPECT_TRUE(window.isUnloaded());
    EXPECT_FALSE(window.isVisible());
    // The promotion window would have ended the program a second time.
    EXPECT_EQ(fakes.ender.endCount, 1);
    EXPECT_FALSE(window.timer1()->isActive());
}

TEST_F(WaysOut, CloseRequestDuringTheLinksEventPassShowsNoPromotion) {
    QMetaObject::invokeMethod(&window, "close", Qt::QueuedConnection);
    const int passesBefore = fakes.events.passes;
    window.lblEnough_Click();
    EXPECT_EQ(fakes.events.passes, passesBefore + 1);
    EXPECT_TRUE(window.isUnloaded());
    EXPECT_EQ(fakes.ender.endCount, 1);
    EXPECT_EQ(fakes.urls.opened.size(), 1);
}

}  // namespace
}  // namespace tutor::testing
