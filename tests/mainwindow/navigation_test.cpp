#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "MainWindowFixture.h"
#include "lessons/LessonPanel.h"
#include "platform/ShortDelay.h"
#include "samplegame/SampleGamePanel.h"

namespace tutor::testing {
namespace {

struct NodeCase {
    const char* text;
    const char* pane;  // the one pane left visible
    const char* page;  // the page shown, nullptr when the page stays as it was
    bool treeFocus;    // the click moves the focus to the tree
};

const NodeCase kNodeCases[] = {
    {"Intro", "web", "/html/intro.html", false},
    {"How this works..", "web", "/html/usage.html", false},
    {"Poker Basics", "web", "/html/basics.html", false},
    {"History of Poker", "web", "/html/history.html", false},
    {"Poker Hands and Ranking", "web", "/html/rank.html", false},
    {"Poker Variants", "web", "/html/variants.html", false},
    {"Poker Terms", "web", "/html/terms.html", false},
    {"Interactive Lesson I", "web", "/html/quiz1.html", true},
    {"Poker Hand Names", "quiz", nullptr, true},
    {"Poker Hand Rankings", "quiz", nullptr, true},
    {"Texas Hold'em Poker", "web", "/html/txholdem.html", true},
    {"Introduction", "web", "/html/txintro.html", false},
    {"Rules", "web", "/html/txrules.html", false},
    {"Limit vs No Limit", "web", "/html/txlimit.html", false},
    {"Pocket pair odds", "web", "/html/txpair.html", false},
    {"Preflop strategy", "web", "/html/txprestrategy.html", false},
    {"Post flop strategy", "web", "/html/txpoststrategy.html", false},
    {"Pot odds", "web", "/html/txpot.html", false},
    {"Position", "web", "/html/txposition.html", false},
    {"Software", "web", "/html/txsoftware.html", false},
    {"Interactive Lesson II", "web", "/html/quiz2.html", false},
    {"Starting Pair Awareness", "quiz", nullptr, false},
    {"Best Hand Recognition", "quiz", nullptr, false},
    {"Sample Poker Game", "demo", nullptr, false},
    {"Play Poker Online", "web", "/html/online.html", false},
    {"Select a site", "web", "/html/onselect.html", false},
    {"Practice with play money", "web", "/html/onpractice.html", false},
    {"Online poker table etiquette", "web", "/html/onetiquette.html", false},
    {"Deposit real money", "web", "/html/ondeposit.html", false},
    {"Online Poker software reliability", "web", "/html/onreliable.html", false},
    {"Online Poker cheating concerns", "web", "/html/oncheating.html", false},
    {"Online gambling legal issues", "web", "/html/onlegal.html", false},
    {"Gambling addiction awareness", "web", "/html/onaddiction.html", false},
    {"Enjoy..", "web", "/html/enjoy.html", false},
};

void PrintTo(const NodeCase& c, std::ostream* os) { *os << c.text; }

// Holds the focus away from the tree and from the panes a click hides (a
// hidden widget hands its focus on, which would blur what the click did).
struct NodeClick : MainWindowTest, ::testing::WithParamInterface<NodeCase> {
    NodeClick() { elsewhere.show(); }
    QLineEdit elsewhere{&window};
};

// Each node from each of the three panes, so a page node is seen hiding
// both panels and a panel node hiding the page pane. A question of 1B waits
// for its answer all the while: navigating never ends a lesson variant.
TEST_P(NodeClick, LeavesItsPaneAloneVisibleWithItsPage) {
    const NodeCase& c = GetParam();
    window.TreeView1_NodeClick("Poker Hand Names");
    window.picQuiz()->cmdStart1B_Click();
    const LessonState& lesson = window.picQuiz()->state();
    ASSERT_TRUE(lesson.mode1B && lesson.awaitingAnswer);
    for (const char* before : {"Intro", "Sample Poker Game", "Poker Hand Names"}) {
        SCOPED_TRACE(before);
        window.TreeView1_NodeClick(before);
        window.picDemo()->setDemoStep(7);
        const QString pageBefore = window.currentPage();
        elsewhere.setFocus();
        window.TreeView1_NodeClick(c.text);
        EXPECT_EQ(visiblePanes(), c.pane);
        EXPECT_EQ(window.currentPage(), c.page ? page(c.page) : pageBefore);
        EXPECT_EQ(window.focusWidget() == window.treeView1(), c.treeFocus);
        // Only the sample game start touches the game (it restarts it).
        if (c.pane != QString("demo")) {
            EXPECT_EQ(window.picDemo()->demoStep(), 7);
        }
        EXPECT_TRUE(lesson.mode1B);
        EXPECT_FALSE(lesson.mode1A || lesson.mode2A || lesson.mode2B || lesson.mode3A ||
                     lesson.mode3B || lesson.mode4);
        EXPECT_TRUE(lesson.awaitingAnswer);
    }
}

INSTANTIATE_TEST_SUITE_P(AllNodes, NodeClick, ::testing::ValuesIn(kNodeCases),
                         [](const auto& info) {
                             QString name = QString::number(info.index + 1) + "_" + info.param.text;
                             name.remove(QRegularExpression("[^A-Za-z0-9_]"));
                             return name.toStdString();
                         });

TEST_F(MainWindowTest, TextsMatchExactlyOrNothingHappens) {
    window.TreeView1_NodeClick("Sample Poker Game");
    for (const char* text : {"intro", "Intro ", " Intro", "Enjoy.", "", "Sample poker game"}) {
        window.TreeView1_NodeClick(text);
        EXPECT_EQ(visiblePanes(), "demo") << text;
    }
}

// A wait pumps events, so a tree click lands in the middle of it and runs to
// its end there.
TEST_F(MainWindowTest, ATreeClickDuringAWaitSwitchesThePanesInsideIt) {
    QMetaObject::invokeMethod(
        &window, [&] { window.TreeView1_NodeClick("Sample Poker Game"); }, Qt::QueuedConnection);
    const std::int32_t delay = 300;
    shortDelay(delay, fakes.services);
    EXPECT_EQ(visiblePanes(), "demo");
}

TEST_F(MainWindowTest, AMouseClickOnANodeRunsItsAction) {
    QTreeWidget* tree = window.treeView1();
    QTreeWidgetItem* target = item("Rules");
    tree->scrollToItem(target);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(target).center());
    EXPECT_EQ(window.currentPage(), page("/html/txrules.html"));
    target = item("Sample Poker Game");
    tree->scrollToItem(target);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(target).center());
    EXPECT_EQ(visiblePanes(), "demo");
}

// A program folder of our own, with two linked pages.
struct PagesTest : ::testing::Test {
    PagesTest() {
        QDir(folder.path()).mkpath("html");
        write("html/intro.html",
              "<html><body><p>Welcome here</p><a href=\"usage.html#how\">next</a>"
              "<a href=\"gone.html\">gone</a><a href=\"https://play.example.com/\">web</a>"
              "</body></html>");
        write("html/usage.html", "<html><body><h1 id=\"how\">How it works</h1></body></html>");
        QFile::copy(QStringLiteral(TUTOR_BIN_DIR) + "/169.txt", folder.path() + "/169.txt");
        fakes.services.programFolder = folder.path();
        window = std::make_unique<FrmMain>(fakes.services);
    }
    void write(const QString& name, const QByteArray& text) {
        QFile f(folder.path() + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    void follow(const QString& href) {
        emit window->webBrowser1()->anchorClicked(window->webBrowser1()->source().resolved(QUrl(href)));
    }
    QTemporaryDir folder;
    FakeServices fakes;
    std::unique_ptr<FrmMain> window;
};

TEST_F(PagesTest, LinksBetweenLocalPagesAreFollowed) {
    EXPECT_TRUE(window->webBrowser1()->toPlainText().contains("Welcome here"));
    follow("usage.html#how");
    EXPECT_TRUE(window->webBrowser1()->toPlainText().contains("How it works"));
    EXPECT_EQ(window->currentPage(), folder.path() + "/html/usage.html");
    EXPECT_TRUE(fakes.urls.opened.isEmpty());
}

TEST_F(PagesTest, AMissingPageNamesItsFile) {
    follow("gone.html");
    EXPECT_TRUE(window->webBrowser1()->toPlainText().contains(folder.path() + "/html/gone.html"));
    window->TreeView1_NodeClick("Poker Terms");
    EXPECT_TRUE(window->webBrowser1()->toPlainText().contains(folder.path() + "/html/terms.html"));
    EXPECT_TRUE(window->webBrowser1()->isVisibleTo(window.get()));
}

TEST_F(PagesTest, WebAddressesGoToTheBrowserNotThePane) {
    follow("https://play.example.com/");
    EXPECT_EQ(fakes.urls.opened, QStringList{"https://play.example.com/"});
    EXPECT_TRUE(window->webBrowser1()->toPlainText().contains("Welcome here"));
}

}  // namespace
}  // namespace tutor::testing
