#include <algorithm>
#include <cstdlib>

#include <QDir>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include "MainWindowFixture.h"
#include "lessons/LessonPanel.h"
#include "mainwindow/LessonTree.h"
#include "common/mDefs.h"
#include "samplegame/SampleGamePanel.h"

namespace tutor::testing {
namespace {

using StartUp = MainWindowTest;

TEST_F(StartUp, ShowsTheIntroPageAloneWithTheTreeReady) {
    EXPECT_EQ(visiblePanes(), "web");
    EXPECT_EQ(window.currentPage(), page("/html/intro.html"));
    QTreeWidget* tree = window.findChild<QTreeWidget*>("TreeView1");
    ASSERT_EQ(tree, window.treeView1());
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(tree->currentItem()->text(0), "Intro");
    EXPECT_TRUE(tree->currentItem()->isSelected());
    EXPECT_EQ(window.focusWidget(), tree);
    EXPECT_TRUE(window.showPromoOnExit());
    EXPECT_FALSE(gAltPromo);
    EXPECT_EQ(window.cWidth(), 71);
    EXPECT_EQ(window.cHeight(), 96);
    EXPECT_EQ(window.preflopList().count(), 169u);
    EXPECT_TRUE(fakes.messages.shown.isEmpty());
}

// What the lessons, the sample game and the ways out find when the user
// first gets the window.
TEST_F(StartUp, SharedStateIsReadyAndNoLessonIsActive) {
    const LessonState& s = window.picQuiz()->state();
    for (bool mode : {s.mode1A, s.mode1B, s.mode2A, s.mode2B, s.mode3A, s.mode3B, s.mode4})
        EXPECT_FALSE(mode);
    EXPECT_FALSE(s.awaitingAnswer);
    EXPECT_TRUE(s.blinkMessage);  // initKeys sets it
    EXPECT_EQ(s.cardsPicked, 0);
    EXPECT_EQ(s.cWidth, 71);
    EXPECT_EQ(s.cHeight, 96);
    EXPECT_EQ(window.picDemo()->demoStep(), 0);
    EXPECT_TRUE(window.showPromoOnExit());
    EXPECT_FALSE(gAltPromo);
    EXPECT_EQ(QDir::currentPath(), QDir(fakes.services.programFolder).absolutePath());
}

// The resize the window system sends with the first show has fitted the page
// pane and the tree to the window's outer size.
TEST_F(StartUp, FirstShowFitsThePanesToTheWindow) {
    const QSizeF outer = window.outerSizeTwips();
    const MainLayout& layout = window.mainLayout();
    EXPECT_FLOAT_EQ(layout.webBrowser1->width(), static_cast<float>(outer.width()) - 3015 - 600);
    EXPECT_FLOAT_EQ(layout.webBrowser1->height(), static_cast<float>(outer.height()) - 850);
    EXPECT_FLOAT_EQ(layout.treeView1->height(), layout.webBrowser1->height());
    // initKeys puts the pane level with the tree, a twentieth of the tree's
    // width to its right.
    EXPECT_FLOAT_EQ(layout.webBrowser1->left(), 3015 + 135 + 3015 * 0.05);
    EXPECT_FLOAT_EQ(layout.webBrowser1->top(), 165);
}

TEST_F(StartUp, WindowIsCentredOnTheScreen) {
    const QRect screen = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    EXPECT_TRUE(screen.contains(frame)) << frame.x() << "," << frame.y();
    // Within the frame's own thickness of the exact centre.
    const QPoint off = frame.center() - screen.center();
    EXPECT_LE(std::abs(off.x()), 4);
    EXPECT_LE(std::abs(off.y()), 4);
}

TEST_F(StartUp, WindowDesign) {
    EXPECT_EQ(window.windowTitle(), "Quillet..");
    EXPECT_EQ(window.size(), QSize(921, 653));  // 13815 x 9795 twips
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_FALSE(window.windowIcon().pixmap(32, 32).isNull());
    EXPECT_EQ(window.windowIcon().availableSizes().value(0), QSize(32, 32));
    QTimer* timer = window.findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 750);
    EXPECT_TRUE(timer->isActive());
    EXPECT_NE(window.findChild<QTextBrowser*>("WebBrowser1"), nullptr);
    const MainLayout& layout = window.mainLayout();
    EXPECT_FLOAT_EQ(layout.treeView1->left(), 135);
    EXPECT_FLOAT_EQ(layout.treeView1->top(), 165);
    EXPECT_FLOAT_EQ(layout.treeView1->width(), 3015);
}

TEST_F(StartUp, TreeHoldsTheNodeTableWithBoldExpandedChapters) {
    QTreeWidget* tree = window.treeView1();
    EXPECT_EQ(tree->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(tree->indentation(), 19);
    EXPECT_TRUE(tree->rootIsDecorated());
    // The selection keeps its colour when the tree loses the focus.
    EXPECT_EQ(tree->palette().color(QPalette::Inactive, QPalette::Highlight),
              tree->palette().color(QPalette::Active, QPalette::Highlight));

    int count = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) ++count;
    EXPECT_EQ(count, 34);
    EXPECT_EQ(tree->topLevelItemCount(), 6);
    for (const LessonNode& n : lessonNodes()) {
        SCOPED_TRACE(n.text);
        QTreeWidgetItem* it = item(n.text);
        ASSERT_NE(it, nullptr);
        EXPECT_EQ(it->data(0, Qt::UserRole).toInt(), n.index);
        EXPECT_EQ(it->data(0, Qt::UserRole + 1).toString(), n.key ? QString(n.key) : QString());
        EXPECT_FALSE(it->flags() & Qt::ItemIsEditable);
        const bool chapter = n.parent == 0;
        EXPECT_EQ(it->font(0).bold(), chapter);
        if (chapter) {
            EXPECT_EQ(it->parent(), nullptr);
            EXPECT_TRUE(it->isExpanded());
        } else {
            ASSERT_NE(it->parent(), nullptr);
            EXPECT_EQ(it->parent()->data(0, Qt::UserRole).toInt(), n.parent);
        }
    }
    EXPECT_EQ(tree->topLevelItem(5)->text(0), "Play Poker Online");
    EXPECT_EQ(tree->topLevelItem(5)->childCount(), 9);
}

// A node text wider than the tree is reached by scrolling, not cut short
// ("Online Poker cheating conce...").
TEST_F(StartUp, LongNodeTextsScrollInsteadOfBeingCut) {
    QTreeWidget* tree = window.treeView1();
    QApplication::processEvents();
    int widest = 0;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QRect rect = tree->visualItemRect(*it);
        const QFont font = (*it)->font(0).resolve(tree->font());
        const int needed = rect.left() + QFontMetrics(font).horizontalAdvance((*it)->text(0));
        EXPECT_GE(rect.right() + 1, needed) << (*it)->text(0).toStdString();
        widest = std::max(widest, needed);
    }
    if (widest > tree->viewport()->width()) {
        EXPECT_GT(tree->horizontalScrollBar()->maximum(), 0);
    }
    // With the installed fonts, the tight text margins let the longest node
    // text fit the designed width, so no scroll bar a few pixels long shows.
    EXPECT_LE(widest, tree->viewport()->width());
    EXPECT_EQ(tree->horizontalScrollBar()->maximum(), 0);
}

TEST_F(StartUp, SelectingFromCodeRunsNoClickAction) {
    window.treeView1()->setCurrentItem(item("Sample Poker Game"));
    window.treeView1()->setCurrentItem(item("Poker Hand Names"));
    QApplication::processEvents();
    EXPECT_EQ(visiblePanes(), "web");
    EXPECT_EQ(window.currentPage(), page("/html/intro.html"));
}

TEST_F(StartUp, EveryActivationGivesTheTreeTheFocus) {
    window.webBrowser1()->setFocus();
    ASSERT_EQ(window.focusWidget(), window.webBrowser1());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    EXPECT_EQ(window.focusWidget(), window.treeView1());
}

TEST(StartUpReports, AMissing169ListIsToldInAMessageAndStartUpGoesOn) {
    QTemporaryDir empty;
    FakeServices fakes;
    fakes.services.programFolder = empty.path();
    FrmMain window(fakes.services);
    ASSERT_EQ(fakes.messages.shown.size(), 1);
    EXPECT_TRUE(fakes.messages.shown[0].startsWith("error in load169 -"));
    EXPECT_TRUE(window.showPromoOnExit());
    // The intro page is missing too: the pane names the file instead of
    // staying blank.
    EXPECT_TRUE(window.webBrowser1()->toPlainText().contains(empty.path() + "/html/intro.html"));
}

}  // namespace
}  // namespace tutor::testing
