#include <QTemporaryDir>
#include <QTimer>

#include "MainWindowFixture.h"
#include "lessons/LessonPanel.h"
#include "mainwindow/LessonTree.h"
#include "mainwindow/mDefs.h"

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
