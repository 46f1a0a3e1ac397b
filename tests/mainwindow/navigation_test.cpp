#include <iterator>
#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
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

const NodeCase& nodeCase(const QString& text) {
    for (const NodeCase& c : kNodeCases)
        if (text == c.text) return c;
    throw std::invalid_argument("no node " + text.toStdString());
}

// The lesson panel's heading that each lesson's set-up writes.
QString lessonHeading(const QString& node) {
    if (node == "Starting Pair Awareness") return "Pre-Flop Pair Value";
    return node;  // the other three lessons are headed with their node's text
}

// The tree driven from the keyboard. Every node reached by a key must show
// what a click on it shows, and a node made current from code nothing.
struct KeyNavigation : MainWindowTest {
    QTreeWidget* tree() const { return window.treeView1(); }
    QString current() const {
        return tree()->currentItem() ? tree()->currentItem()->text(0) : "(none)";
    }
    QString heading() const { return window.findChild<QLabel*>("lblHeading1")->text(); }

    // What the window shows, to tell a node's action from none.
    struct Shown {
        QString panes, page, heading;
        int demoStep;
        bool operator==(const Shown& o) const {
            return panes == o.panes && page == o.page && heading == o.heading &&
                   demoStep == o.demoStep;
        }
    };
    Shown shown() const {
        return {visiblePanes(), window.currentPage(), heading(), window.picDemo()->demoStep()};
    }

    // The sample game is set to a step of its own before each key, so that
    // a restart of the game shows.
    void press(Qt::Key key) {
        window.picDemo()->setDemoStep(7);
        QTest::keyClick(tree(), key);
    }
    void type(char letter) {
        window.picDemo()->setDemoStep(7);
        QTest::keyClick(tree(), letter);
    }

    // The node's action ran, once the window showed `before`.
    void expectShowsCurrentNode(const Shown& before) {
        const NodeCase& c = nodeCase(current());
        const Shown now = shown();
        EXPECT_EQ(now.panes, c.pane);
        EXPECT_EQ(now.page, c.page ? page(c.page) : before.page);
        if (now.panes == "quiz") {
            EXPECT_EQ(now.heading, lessonHeading(c.text));
        }
        EXPECT_EQ(now.demoStep, now.panes == "demo" ? 1 : 7);
    }
};

void PrintTo(const KeyNavigation::Shown& s, std::ostream* os) {
    *os << "panes " << s.panes.toStdString() << ", page " << s.page.toStdString() << ", heading "
        << s.heading.toStdString() << ", sample game step " << s.demoStep;
}

TEST_F(KeyNavigation, EveryNodeDownFromIntroAndBackUpIsShown) {
    ASSERT_EQ(current(), "Intro");
    for (std::size_t row = 1; row < std::size(kNodeCases); ++row) {
        const Shown before = shown();
        press(Qt::Key_Down);
        ASSERT_EQ(current(), kNodeCases[row].text);
        SCOPED_TRACE(std::string("Down to ") + kNodeCases[row].text);
        expectShowsCurrentNode(before);
    }
    for (std::size_t row = std::size(kNodeCases) - 1; row-- > 0;) {
        const Shown before = shown();
        press(Qt::Key_Up);
        ASSERT_EQ(current(), kNodeCases[row].text);
        SCOPED_TRACE(std::string("Up to ") + kNodeCases[row].text);
        expectShowsCurrentNode(before);
    }
}

std::string keyName(Qt::Key key) {
    return QKeySequence(key).toString().toStdString();
}

struct KeyCase {
    const char* from;  // made the current node from code first
    Qt::Key key;
    const char* reached;
};

void PrintTo(const KeyCase& k, std::ostream* os) {
    *os << k.from << ", " << keyName(k.key);
}

// Every key besides Down and Up that moves the current node; a letter is
// looked for among the texts below the current node. Each case has a tree
// of its own, since letters typed in quick succession are looked for as one
// word.
const KeyCase kKeyCases[] = {
    {"Intro", Qt::Key_End, "Enjoy.."},
    {"Enjoy..", Qt::Key_Home, "Intro"},
    {"Sample Poker Game", Qt::Key_Home, "Intro"},
    {"Starting Pair Awareness", Qt::Key_End, "Enjoy.."},
    {"History of Poker", Qt::Key_Left, "Poker Basics"},
    {"Poker Basics", Qt::Key_Right, "History of Poker"},
    // A page away there is no further node than the last or the first.
    {"Gambling addiction awareness", Qt::Key_PageDown, "Enjoy.."},
    {"How this works..", Qt::Key_PageUp, "Intro"},
    {"Intro", Qt::Key_P, "Poker Basics"},
    {"Introduction", Qt::Key_S, "Software"},
    {"Software", Qt::Key_S, "Starting Pair Awareness"},
    {"Best Hand Recognition", Qt::Key_S, "Sample Poker Game"},
    {"Enjoy..", Qt::Key_P, "Poker Basics"},
};

struct KeyMove : KeyNavigation, ::testing::WithParamInterface<KeyCase> {};

// From each of the three panes: a node made current from code shows nothing
// new; the key then shows the node it reaches.
TEST_P(KeyMove, ShowsTheNodeReached) {
    const KeyCase& k = GetParam();
    for (const char* showing : {"Poker Terms", "Poker Hand Rankings", "Sample Poker Game"}) {
        SCOPED_TRACE(std::string("showing ") + showing);
        window.TreeView1_NodeClick(showing);
        window.picDemo()->setDemoStep(7);
        const Shown before = shown();
        tree()->setCurrentItem(item(k.from));
        ASSERT_EQ(current(), k.from);
        EXPECT_EQ(shown(), before) << "a node made current from code ran its action";
        if (k.key >= Qt::Key_A && k.key <= Qt::Key_Z)
            type(static_cast<char>('a' + (k.key - Qt::Key_A)));
        else
            press(k.key);
        ASSERT_EQ(current(), k.reached);
        expectShowsCurrentNode(before);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyMove, ::testing::ValuesIn(kKeyCases), [](const auto& info) {
    QString name = QString::number(info.index + 1) + "_" + info.param.from + "_" +
                   QString::fromStdString(keyName(info.param.key));
    name.remove(QRegularExpression("[^A-Za-z0-9_]"));
    return name.toStdString();
});

// Return and Enter choose nothing: the node they are on is shown already.
// A key that leaves the current node where it is runs nothing either.
TEST_F(KeyNavigation, KeysThatLeaveTheCurrentNodeRunNothing) {
    const std::pair<const char*, Qt::Key> cases[] = {
        {"Sample Poker Game", Qt::Key_Return},
        {"Poker Hand Names", Qt::Key_Enter},
        {"Intro", Qt::Key_Home},
        {"Intro", Qt::Key_Up},
        {"Enjoy..", Qt::Key_End},
        {"Enjoy..", Qt::Key_Down},
        {"Poker Variants", Qt::Key_Space},
        {"Rules", Qt::Key_Z},
    };
    for (const auto& [node, key] : cases) {
        SCOPED_TRACE(std::string(node) + ", key " + keyName(key));
        window.TreeView1_NodeClick(node);
        tree()->setCurrentItem(item(node));
        window.picDemo()->setDemoStep(7);
        const Shown before = shown();
        if (key == Qt::Key_Z)
            QTest::keyClick(tree(), 'z');
        else
            QTest::keyClick(tree(), key);
        EXPECT_EQ(current(), node);
        EXPECT_EQ(shown(), before);
    }
}

// Start-up makes each chapter current from code, then "Intro": had any of
// that run a node's action, the page pane would hold more than the intro.
TEST_F(KeyNavigation, StartUpsSelectionsFromCodeShowNothing) {
    EXPECT_EQ(current(), "Intro");
    EXPECT_EQ(window.currentPage(), page("/html/intro.html"));
    EXPECT_FALSE(window.webBrowser1()->isBackwardAvailable())
        << "start-up navigated the page pane more than once";
    EXPECT_EQ(window.picDemo()->demoStep(), 0);
}

// One action for one click or one key: a choice reported both by the click
// and by the change of the current node would navigate twice.
TEST_F(KeyNavigation, AClickOrAKeyNavigatesOnce) {
    QSignalSpy navigations(window.webBrowser1(), &QTextBrowser::sourceChanged);
    QTreeWidgetItem* target = item("Rules");
    tree()->scrollToItem(target);
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                      tree()->visualItemRect(target).center());
    EXPECT_EQ(navigations.count(), 1) << "navigations for one click";
    press(Qt::Key_Down);
    EXPECT_EQ(current(), "Limit vs No Limit");
    EXPECT_EQ(navigations.count(), 2) << "navigations for one click and one key";
}

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
    EXPECT_EQ(window.picDemo()->demoStep(), 1);
    // A click on the node already selected restarts the game.
    window.picDemo()->setDemoStep(7);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(target).center());
    EXPECT_EQ(window.picDemo()->demoStep(), 1);
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
