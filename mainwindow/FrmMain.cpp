#include "mainwindow/FrmMain.h"

#include <cmath>
#include <exception>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QPainterPath>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include "engine/PreflopList.h"
#include "lessons/LessonPanel.h"
#include "mainwindow/LessonTree.h"
#include "mainwindow/TreeLinesStyle.h"
#include "mainwindow/WindowIcon.h"
#include "common/mDefs.h"
#include "platform/RunShellExecute.h"
#include "promotion/Promotion.h"
#include "samplegame/SampleGamePanel.h"

namespace tutor {

namespace {

// Design of the window, in twips.
constexpr float kClientWidth = 13815;
constexpr float kClientHeight = 9795;
const QColor kBackColour(0xC0, 0xC0, 0xC0);
// The least gap between the page pane and the window's inner right and
// bottom edges: the design's own gap between the window's left edge and the
// tree. An ordinary frame leaves more than this, so only an outer size that
// a frame makes too large (a compositor's invisible shadow counted in)
// brings it into play.
constexpr float kInnerMargin = 135;
constexpr int kIndexRole = Qt::UserRole;
constexpr int kKeyRole = Qt::UserRole + 1;

int pixels(float twips, float twipsPerPixel) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

QString missingPage(const QString& path) {
    return QStringLiteral(
               "<html><body style=\"font-family: 'Liberation Sans'; margin: 12px\">"
               "<h3>This page is missing</h3><p>The file <b>%1</b> could not be found.</p>"
               "<p>Choose another topic in the tree on the left.</p></body></html>")
        .arg(path.toHtmlEscaped());
}

template <typename Step>
void skipIfRefused(Step step) {
    try {
        step();
    } catch (const std::exception&) {
        // A value the control would not take: this step is left out.
    }
}

// Shortens a control that would end past the window's inner right or bottom
// edge so that it ends kInnerMargin inside it. A control whose left or top
// lies beyond that point cannot end there and keeps its size.
void endWidthInside(TwipsControl& control, float innerWidthTwips) {
    const float widest = innerWidthTwips - kInnerMargin - control.left();
    if (control.width() > widest) skipIfRefused([&] { control.setWidth(widest); });
}

void endHeightInside(TwipsControl& control, float innerHeightTwips) {
    const float highest = innerHeightTwips - kInnerMargin - control.top();
    if (control.height() > highest) skipIfRefused([&] { control.setHeight(highest); });
}

}  // namespace

FrmMain::FrmMain(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName("frmMain");
    setWindowTitle("Quillet..");
    setWindowIcon(QIcon(drawWindowIcon()));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackColour);
    setPalette(pal);
    setAutoFillBackground(true);

    const ScreenMetrics& screen = services_.screen;
    const float tx = screen.twipsPerPixelX();
    const float ty = screen.twipsPerPixelY();
    resize(pixels(kClientWidth, tx), pixels(kClientHeight, ty));
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }

    treeView1_ = new LessonTreeView(this);
    treeView1_->setObjectName("TreeView1");
    QFont treeFont("MS Sans Serif");
    treeFont.setPointSizeF(8.25);
    treeView1_->setFont(treeFont);
    treeView1_->setHeaderHidden(true);
    treeView1_->setColumnCount(1);
    // A node text wider than the tree scrolls sideways instead of being cut
    // short with an ellipsis.
    treeView1_->header()->setStretchLastSection(false);
    treeView1_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    auto* lines = new TreeLinesStyle(QApplication::style()->name());
    lines->setParent(treeView1_);
    treeView1_->setStyle(lines);

    webBrowser1_ = new QTextBrowser(this);
    webBrowser1_->setObjectName("WebBrowser1");
    webBrowser1_->setOpenLinks(false);
    webBrowser1_->setOpenExternalLinks(false);
    connect(webBrowser1_, &QTextBrowser::anchorClicked, this, &FrmMain::openLink);

    picQuiz_ = new LessonPanel(services_, preflopList_, this);
    picDemo_ = new SampleGamePanel(services_, this);
    connect(picDemo_, &SampleGamePanel::lblEnoughClicked, this, &FrmMain::lblEnough_Click);

    treeView1Twips_ = std::make_unique<TwipsControl>(treeView1_, 135, 165, 3015, 9045, screen);
    webBrowser1Twips_ = std::make_unique<TwipsControl>(webBrowser1_, 3435, 255, 10455, 8790, screen);
    picQuizTwips_ = std::make_unique<TwipsControl>(picQuiz_, 3300, 135, 9840, 8550, screen);
    picDemoTwips_ = std::make_unique<TwipsControl>(picDemo_, 3420, 180, 9720, 8760, screen);
    layout_ = MainLayout{treeView1Twips_.get(), webBrowser1Twips_.get(), picQuizTwips_.get(),
                         picDemoTwips_.get()};
    picQuiz_->setMainLayout(layout_);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(750);
    connect(timer1_, &QTimer::timeout, picQuiz_, &LessonPanel::Timer1_Timer);
    timer1_->start();

    // A node reached with the keys is chosen as a click on it is; the
    // current node set from code (start-up, the bold chapters) runs nothing.
    connect(treeView1_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item, int) { TreeView1_NodeClick(item->text(0)); });
    connect(treeView1_, &LessonTreeView::nodeReachedByKey, this,
            [this](QTreeWidgetItem* item) { TreeView1_NodeClick(item->text(0)); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive && activatedOnce_) awayToOtherProgram_ = true;
    });

    Form_Load();
}

FrmMain::~FrmMain() = default;

void FrmMain::Form_Load() {
    gAltPromo = false;
    QDir::setCurrent(services_.programFolder);
    services_.cards.cdtInit(cWidth_, cHeight_);
    picQuiz_->setCardSize(cWidth_, cHeight_);
    setUpTree();
    addNodes();
    boldTreeChapters();
    picQuiz_->initKeys();
    poker::load169(preflopList_, services_.programFolder.toStdString(),
                   [this](const std::string& message) {
                       services_.messages.showMessage(QString::fromStdString(message));
                   });
    navigate(services_.programFolder + "/html/intro.html");
    webBrowser1_->setVisible(true);
    picQuiz_->setVisible(false);
    picDemo_->setVisible(false);
    mShowPromoOnExit_ = true;
    loaded_ = true;
}

void FrmMain::setUpTree() {
    // The selection stays highlighted as brightly without the focus.
    QPalette pal = treeView1_->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    treeView1_->setPalette(pal);
    const float tx = services_.screen.twipsPerPixelX();
    const float indentationTwips = 19.0f * tx;
    treeView1_->setIndentation(pixels(indentationTwips, tx));
    treeView1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    treeView1_->setRootIsDecorated(true);
}

void FrmMain::addNodes() {
    QTreeWidgetItem* chapter = nullptr;
    const auto& nodes = lessonNodes();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const LessonNode& n = nodes[i];
        auto* item = n.parent == 0 ? new QTreeWidgetItem(treeView1_) : new QTreeWidgetItem(chapter);
        item->setText(0, QString::fromUtf8(n.text));
        item->setData(0, kIndexRole, n.index);
        if (n.key) item->setData(0, kKeyRole, QString::fromUtf8(n.key));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (n.parent == 0) chapter = item;
        const bool lastOfChapter = i + 1 == nodes.size() || nodes[i + 1].parent == 0;
        if (lastOfChapter && chapter) chapter->setExpanded(true);
    }
}

QTreeWidgetItem* FrmMain::node(int index) const {
    for (QTreeWidgetItemIterator it(treeView1_); *it; ++it)
        if ((*it)->data(0, kIndexRole).toInt() == index) return *it;
    return nullptr;
}

void FrmMain::boldTreeChapters() {
    try {
        for (int index : {1, 3, 8, 11, 21, 25}) {
            // Selecting from code runs no click action: only a click or a key
            // does.
            treeView1_->setCurrentItem(node(index));
            services_.events.processPendingEvents();
            QTreeWidgetItem* selected = treeView1_->currentItem();
            if (!selected) continue;
            QFont font = selected->font(0);
            font.setBold(!font.bold());
            selected->setFont(0, font);
        }
        treeView1_->setCurrentItem(node(1));
    } catch (const std::exception&) {
        // The chapters left are plain; start-up goes on.
    }
}

void FrmMain::navigate(const QString& path) {
    currentPage_ = path;
    const QFileInfo file(path);
    if (file.isFile())
        webBrowser1_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    else
        webBrowser1_->setHtml(missingPage(path));
}

bool FrmMain::WebBrowser1_BeforeNavigate2(const QUrl&) { return false; }

void FrmMain::openLink(const QUrl& url) {
    if (WebBrowser1_BeforeNavigate2(url)) return;
    if (url.isLocalFile() || url.scheme().isEmpty()) {
        const QUrl resolved = webBrowser1_->source().resolved(url);
        const QString path = resolved.toLocalFile();
        if (QFileInfo(path).isFile()) {
            currentPage_ = path;
            webBrowser1_->setSource(resolved);
        } else {
            navigate(path);
        }
        return;
    }
    // The pane shows no pages from the network: a web address goes to the
    // user's browser instead.
    RunShellExecute(services_.urls, "open", url.toString(), std::nullopt, std::nullopt, 1);
}

void FrmMain::TreeView1_NodeClick(const QString& nodeText) {
    const LessonNode* n = lessonNodeByText(nodeText);
    if (!n) return;
    auto page = [&] { navigate(services_.programFolder + QString::fromUtf8(n->page)); };
    auto showPagePane = [&] {
        webBrowser1_->setVisible(true);
        picQuiz_->setVisible(false);
        picDemo_->setVisible(false);
    };
    auto setUp = [&] {
        switch (n->setUp) {
        case LessonSetUp::HandNames: picQuiz_->initLessonHandNames(); break;
        case LessonSetUp::Rankings: picQuiz_->initLessonRankings(); break;
        case LessonSetUp::PairValue: picQuiz_->initLessonPairValue(); break;
        case LessonSetUp::BestHand: picQuiz_->initLessonBestHand(); break;
        case LessonSetUp::None: break;
        }
    };
    switch (n->action) {
    case NodeAction::PageFirst:
    case NodeAction::PageFirstThenFocus:
        page();
        showPagePane();
        break;
    case NodeAction::PanelsFirst:
    case NodeAction::PanelsFirstThenFocus:
        showPagePane();
        page();
        break;
    case NodeAction::FirstLessonChapter:
        webBrowser1_->setVisible(false);
        picQuiz_->setVisible(true);
        picDemo_->setVisible(false);
        setUp();
        treeView1_->setFocus();
        break;
    case NodeAction::SecondLessonChapter:
        webBrowser1_->setVisible(false);
        picDemo_->setVisible(false);
        picQuiz_->setVisible(true);
        setUp();
        break;
    case NodeAction::SampleGameStart:
        webBrowser1_->setVisible(false);
        picQuiz_->setVisible(false);
        picDemo_->setVisible(true);
        picDemo_->setDemoStep(0);
        picDemo_->resetDemo();
        break;
    }
    if (n->action == NodeAction::PageFirstThenFocus || n->action == NodeAction::PanelsFirstThenFocus)
        treeView1_->setFocus();
}

QSize FrmMain::outerSize() const { return frameGeometry().size(); }

QSizeF FrmMain::outerSizeTwips() const {
    const QSize outer = outerSize();
    return QSizeF(outer.width() * static_cast<double>(services_.screen.twipsPerPixelX()),
                  outer.height() * static_cast<double>(services_.screen.twipsPerPixelY()));
}

void FrmMain::Form_Resize() {
    laidOutSize_ = size();
    laidOutOuterSize_ = outerSize();
    const QSizeF outer = outerSizeTwips();
    fitToOuterSize(static_cast<float>(outer.width()), static_cast<float>(outer.height()),
                   static_cast<float>(width()) * services_.screen.twipsPerPixelX(),
                   static_cast<float>(height()) * services_.screen.twipsPerPixelY());
}

void FrmMain::fitToOuterSize(float outerWidthTwips, float outerHeightTwips, float innerWidthTwips,
                             float innerHeightTwips) {
    TwipsControl& web = *webBrowser1Twips_;
    TwipsControl& tree = *treeView1Twips_;
    skipIfRefused([&] { web.setWidth(outerWidthTwips - tree.width() - 600.0f); });
    skipIfRefused([&] { web.setHeight(outerHeightTwips - 850.0f); });
    // Before the tree takes the pane's height: the tree's top is level with
    // the pane's or above it, so the tree ends inside the window as well.
    endWidthInside(web, innerWidthTwips);
    endHeightInside(web, innerHeightTwips);
    skipIfRefused([&] { tree.setHeight(web.height()); });
    skipIfRefused([&] { picQuiz_->initKeys(); });
}

void FrmMain::Form_Activate() { treeView1_->setFocus(); }

bool FrmMain::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        // Coming back from another program is no activation of ours.
        if (awayToOtherProgram_)
            awayToOtherProgram_ = false;
        else
            Form_Activate();
        activatedOnce_ = true;
    }
    return QWidget::event(e);
}

void FrmMain::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (loaded_ && !unloaded_) Form_Resize();
}

// A window manager that frames the window after its first show, or changes
// or removes the frame later, moves the window and keeps its inner size: no
// resize comes, yet the outer size the layout works from is another. A move
// that comes with a resize is left to the resize.
void FrmMain::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    if (loaded_ && !unloaded_ && size() == laidOutSize_ && outerSize() != laidOutOuterSize_)
        Form_Resize();
}

// Minimising, maximising and restoring change the window's size, though not
// every window system follows them with a resize event.
void FrmMain::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange) return;
    constexpr Qt::WindowStates sizeStates =
        Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    const Qt::WindowStates before = static_cast<QWindowStateChangeEvent*>(e)->oldState();
    if (((before ^ windowState()) & sizeStates) && loaded_ && !unloaded_) Form_Resize();
}

void FrmMain::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!shownOnce_) {
        shownOnce_ = true;
        // The tree is the window's focus widget from the first show on,
        // also where the window system never activates the window.
        treeView1_->setFocus();
    }
}

void FrmMain::Form_QueryUnload() {
    if (!mShowPromoOnExit_) return;
    // Out of the way while the promotion runs; it never comes back.
    hide();
    // The unload the promotion window orders runs this again, nested; that
    // show finds the window shown already and leaves it as it is.
    showPromotionWindow(gAltPromo, services_, [this] { unload(); });
}

void FrmMain::unload() {
    Form_QueryUnload();
    unloaded_ = true;
    timer1_->stop();
    hide();
}

void FrmMain::closeEvent(QCloseEvent* e) {
    Form_QueryUnload();
    unloaded_ = true;
    timer1_->stop();
    e->accept();
}

// Runs once: clicks already queued reach the link again inside the event
// pass, and each would open the page and pass events once more.
void FrmMain::lblEnough_Click() {
    if (leaving_) return;
    leaving_ = true;
    const QString& address = gAltPromo ? referralUrl : playOnlineUrl;
    RunShellExecute(services_.urls, "open", address, std::nullopt, std::nullopt, 1);
    mShowPromoOnExit_ = false;
    services_.events.processPendingEvents();
    unload();
    services_.ender.endProgram();
}

}  // namespace tutor
