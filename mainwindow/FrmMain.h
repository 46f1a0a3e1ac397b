#pragma once

#include <cstdint>
#include <memory>

#include <QSize>
#include <QSizeF>
#include <QString>
#include <QWidget>

#include "engine/KeyedCollection.h"
#include "common/MainLayout.h"
#include "mainwindow/LessonTreeView.h"
#include "platform/Services.h"
#include "platform/TwipsControl.h"

class QTextBrowser;
class QTimer;
class QTreeWidgetItem;
class QUrl;

namespace tutor {

class LessonPanel;
class SampleGamePanel;

// The main window: the lesson tree on the left, and to its right one of the
// page pane, the lesson panel and the sample game panel.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(Services& services, QWidget* parent = nullptr);
    ~FrmMain() override;

    // Lays the page pane and the tree out for the window's outer size, then
    // the lesson area; a step a control refuses is skipped.
    void Form_Resize();
    // As Form_Resize, for the given outer and inner sizes of the window. The
    // page pane, and the tree with it, end inside the inner size.
    void fitToOuterSize(float outerWidthTwips, float outerHeightTwips, float innerWidthTwips,
                        float innerHeightTwips);
    // The outer size of the window, frame included, in twips.
    QSizeF outerSizeTwips() const;

    void Form_Activate();

    // The click on a node, dispatched on its text.
    void TreeView1_NodeClick(const QString& nodeText);
    // Asked before every navigation of the page pane; true cancels it.
    bool WebBrowser1_BeforeNavigate2(const QUrl& url);
    // The real-game link: opens the page and ends the program. A click
    // while that is under way does nothing.
    void lblEnough_Click();
    // Unloads the window, asking it first as a close request would.
    void unload();

    bool showPromoOnExit() const { return mShowPromoOnExit_; }
    void setShowPromoOnExit(bool armed) { mShowPromoOnExit_ = armed; }
    bool isUnloaded() const { return unloaded_; }
    std::int32_t cWidth() const { return cWidth_; }
    std::int32_t cHeight() const { return cHeight_; }
    const poker::KeyedCollection& preflopList() const { return preflopList_; }
    const MainLayout& mainLayout() const { return layout_; }
    // The file the page pane was last sent to.
    const QString& currentPage() const { return currentPage_; }

    QTreeWidget* treeView1() const { return treeView1_; }
    QTextBrowser* webBrowser1() const { return webBrowser1_; }
    LessonPanel* picQuiz() const { return picQuiz_; }
    SampleGamePanel* picDemo() const { return picDemo_; }
    QTimer* timer1() const { return timer1_; }

protected:
    // The outer size of the window in pixels, frame included. A window
    // manager may add the frame only after the first show.
    virtual QSize outerSize() const;

    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load();
    void Form_QueryUnload();
    void setUpTree();
    void addNodes();
    void boldTreeChapters();
    void navigate(const QString& path);
    void openLink(const QUrl& url);
    QTreeWidgetItem* node(int index) const;

    Services& services_;

    // Window state shared with the panels.
    std::int32_t cWidth_ = 0;
    std::int32_t cHeight_ = 0;
    poker::KeyedCollection preflopList_;
    bool mShowPromoOnExit_ = false;

    LessonTreeView* treeView1_ = nullptr;
    QTextBrowser* webBrowser1_ = nullptr;
    LessonPanel* picQuiz_ = nullptr;
    SampleGamePanel* picDemo_ = nullptr;
    QTimer* timer1_ = nullptr;

    std::unique_ptr<TwipsControl> treeView1Twips_;
    std::unique_ptr<TwipsControl> webBrowser1Twips_;
    std::unique_ptr<TwipsControl> picQuizTwips_;
    std::unique_ptr<TwipsControl> picDemoTwips_;
    MainLayout layout_;
    // The inner and outer sizes, in pixels, that the last layout was made for.
    QSize laidOutSize_;
    QSize laidOutOuterSize_;

    QString currentPage_;
    bool loaded_ = false;
    bool shownOnce_ = false;
    bool unloaded_ = false;
    bool leaving_ = false;  // the real-game link has been clicked
    bool activatedOnce_ = false;
    bool awayToOtherProgram_ = false;
};

}  // namespace tutor
