#include "promotion/PromoWindow.h"

#include <cmath>
#include <exception>

#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "common/mDefs.h"
#include "platform/RunShellExecute.h"
#include "platform/ShortDelay.h"

namespace tutor {

namespace {

constexpr float kClientWidth = 6615;
constexpr float kClientHeight = 7890;
const QColor kBackColour(0xC0, 0xC0, 0xC0);

// The dealt pairs and the board, in twips of the window; card 4 lies inside
// the table picture.
constexpr std::array<QPointF, PromoWindow::kDealtPairs> kPairAt = {{
    {960, 1950},
    {1260, 1140},
    {2280, 825},
    {4215, 825},
    {5025, 1140},
    {5325, 1980},
    {4935, 2640},
    {3900, 2805},
    {1380, 2610},
}};
constexpr std::array<QPointF, PromoWindow::kBoardCards> kCardAt = {{
    {2265, 1695},
    {2265, 1695},
    {2280, 1695},
    {2280, 1695},
    {1905, 1425},
}};
constexpr int kFanSteps = 411;

QFont sansSerif(bool bold) {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(8.25);
    f.setBold(bold);
    return f;
}

QFont smallFonts() {
    QFont f(QStringLiteral("Small Fonts"));
    f.setPointSizeF(6.75);
    return f;
}

int pixels(float twips, float twipsPerPixel) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

}  // namespace

PromoWindow::PromoWindow(Services& services, std::function<void()> unloadMainWindow,
                         const PromoDesign& design)
    : services_(services), unloadMainWindow_(std::move(unloadMainWindow)) {
    setObjectName(design.objectName);
    setWindowTitle(design.caption);
    setFont(sansSerif(false));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackColour);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);
    const ScreenMetrics& screen = services_.screen;
    setFixedSize(pixels(kClientWidth, screen.twipsPerPixelX()),
                 pixels(kClientHeight, screen.twipsPerPixelY()));
    ensurePictures();

    // Bottom to top: the table (with board card 4 on it), the dealt pairs,
    // the jacks and board cards 0 to 3 above it.
    QWidget* table = addBox(this, QStringLiteral("Picture6"), {315, 240, 6015, 4350}, kBackColour);
    auto* tableImage = new QLabel(table);
    tableImage->setObjectName(QStringLiteral("Picture6_image"));
    keepPicture(tableImage, [this](qreal) { return pictures_.table; });
    tableImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tableImage->setGeometry(table->rect());
    tableImage->lower();

    const auto cardRect = [](QPointF at) { return QRectF(at, QSizeF(405, 540)); };
    const auto boardCard = [this](int i) {
        return [this, i](qreal) { return pictures_.board[i]; };
    };
    picture1_[4] =
        addPicture(table, QStringLiteral("Picture1_4"), boardCard(4), cardRect(kCardAt[4]));
    cardPlace_[4] = placed_.back().get();
    for (int i = 0; i < kDealtPairs; ++i)
        picture2_[i] = addPicture(
            this, QStringLiteral("Picture2_%1").arg(i),
            [this](qreal) { return pictures_.faceDownPair; }, QRectF(kPairAt[i], QSizeF(330, 345)));
    picture3_ = addPicture(this, QStringLiteral("Picture3"),
                           [this](qreal) { return pictures_.jacks; }, {2250, 2520, 600, 630});
    for (int i = 0; i < 4; ++i) {
        picture1_[i] = addPicture(this, QStringLiteral("Picture1_%1").arg(i), boardCard(i),
                                  cardRect(kCardAt[i]));
        cardPlace_[i] = placed_.back().get();
    }
    picture1_[4]->hide();
    picture3_->hide();

    QWidget* textBox = addBox(this, QStringLiteral("Picture4"), design.textBoxPlace, kBackColour);
    addLabel(textBox, QStringLiteral("Label44"), design.text, design.textPlace, sansSerif(true),
             true);

    cmdPokerRoom_ = new QPushButton(design.buttonCaption, this);
    cmdPokerRoom_->setObjectName(QStringLiteral("cmdPokerRoom"));
    cmdPokerRoom_->setFont(sansSerif(true));
    place(cmdPokerRoom_, design.buttonPlace);
    connect(cmdPokerRoom_, &QPushButton::clicked, this, [this] { cmdPokerRoom_Click(); });

    addLabel(this, QStringLiteral("Label2"), design.title, design.titlePlace, sansSerif(true));
    addLabel(this, QStringLiteral("Label28"), QStringLiteral("Reduced size image"),
             QRectF(design.reducedImageLabelAt, QSizeF(1440, 195)), sansSerif(false));
    addLabel(this, QStringLiteral("Label1"), design.notice, {15, 7470, 5775, 405}, smallFonts(),
             true);
}

PromoWindow::~PromoWindow() = default;

TwipsControl& PromoWindow::place(QWidget* widget, const QRectF& twips) {
    placed_.push_back(std::make_unique<TwipsControl>(
        widget, static_cast<float>(twips.left()), static_cast<float>(twips.top()),
        static_cast<float>(twips.width()), static_cast<float>(twips.height()), services_.screen));
    return *placed_.back();
}

QWidget* PromoWindow::addBox(QWidget* parent, const QString& name, const QRectF& twips,
                             const QColor& back) {
    auto* box = new QFrame(parent);
    box->setObjectName(name);
    box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, back);
    box->setPalette(pal);
    box->setAutoFillBackground(true);
    place(box, twips);
    auto* client = new QWidget(box);
    client->setObjectName(name + QStringLiteral("_client"));
    client->setGeometry(box->contentsRect());
    return client;
}

QLabel* PromoWindow::addLabel(QWidget* parent, const QString& name, const QString& text,
                              const QRectF& twips, const QFont& font, bool wordWrap) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TwipsControl& where = place(label, twips);
    label->setWordWrap(wordWrap);
    if (wordWrap) return label;
    const float textTwips = static_cast<float>(label->fontMetrics().horizontalAdvance(text) + 2) *
                            services_.screen.twipsPerPixelX();
    if (textTwips > where.width()) where.setWidth(textTwips);
    return label;
}

QLabel* PromoWindow::addPicture(QWidget* parent, const QString& name, PictureMaker picture,
                                const QRectF& twips) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    keepPicture(label, std::move(picture));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAttribute(Qt::WA_TranslucentBackground);
    place(label, twips);
    return label;
}

void PromoWindow::keepPicture(QLabel* label, PictureMaker picture) {
    label->setPixmap(picture(picturesRatio_));
    keptPictures_.push_back({label, std::move(picture)});
}

// Made at the device-pixel ratio of the window's screen, and again when the
// window comes to paint on a screen of another ratio.
void PromoWindow::ensurePictures() {
    const qreal ratio = devicePixelRatioF();
    if (ratio == picturesRatio_) return;
    picturesRatio_ = ratio;
    pictures_ = makePromoPictures(ratio);
    for (const KeptPicture& kept : keptPictures_) kept.label->setPixmap(kept.make(ratio));
}

void PromoWindow::paintEvent(QPaintEvent*) {
    ensurePictures();
}

float PromoWindow::picture1Left(int index) const {
    return cardPlace_.at(index)->left();
}

QString PromoWindow::webPageAddress() const {
    return playOnlineUrl;
}

void PromoWindow::Form_Load() {
    for (QLabel* pair : picture2_) pair->hide();
    for (int i = 0; i < 4; ++i) picture1_[i]->hide();
    showAndAnimate();
}

void PromoWindow::showAndAnimate() {
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    Command1_Click();
}

void PromoWindow::shortDelay(const std::int32_t& delayTime) {
    tutor::shortDelay(delayTime, services_, &stopWaits_);
}

void PromoWindow::Command1_Click() {
    EventPump& events = services_.events;
    try {
        shortDelay(1000);
        do {
            // Deal around the table; the jacks come with the eighth pair.
            for (int i = 0; i < kDealtPairs; ++i) {
                if (stopping()) break;
                picture2_[i]->show();
                shortDelay(125);
                events.processPendingEvents();
                if (i == 7) {
                    picture3_->show();
                    shortDelay(150);
                }
            }
            shortDelay(800);
            // Lay the board as a stack, then fan it out.
            for (QLabel* card : picture1_) {
                if (stopping()) break;
                card->show();
                events.processPendingEvents();
            }
            slideBoard(+1);
            shortDelay(2500);
            if (!stopping()) Command2_Click();
            shortDelay(3500);
        } while (!stopping());
    } catch (const std::exception&) {
        // The animation stops where it failed; the window stays as it is.
    }
}

void PromoWindow::slideBoard(int direction) {
    for (int step = 0; step < kFanSteps; ++step) {
        if (stopping()) break;
        for (int i = 1; i < kBoardCards; ++i)
            cardPlace_[i]->setLeft(cardPlace_[i]->left() + direction * i);
        services_.events.processPendingEvents();
    }
}

void PromoWindow::Command2_Click() {
    if (stopping()) return;
    EventPump& events = services_.events;
    try {
        for (QLabel* pair : picture2_) {
            pair->hide();
            events.processPendingEvents();
        }
        picture3_->hide();
        // Hidden first, then gathered, so the gathering is never seen.
        for (QLabel* card : picture1_) {
            if (stopping()) break;
            card->hide();
            events.processPendingEvents();
        }
        slideBoard(-1);
        shortDelay(400);
    } catch (const std::exception&) {
        // Only the reset ends; the animation goes on.
    }
}

// Runs once: presses already queued reach the button again inside the
// event pass, and each would open the page and pass events once more.
void PromoWindow::cmdPokerRoom_Click() {
    if (leaving_) return;
    leaving_ = true;
    RunShellExecute(services_.urls, QStringLiteral("open"), webPageAddress(), std::nullopt,
                    std::nullopt, 1);
    services_.events.processPendingEvents();
    // A close request in that pass has ended the program already.
    if (programEnded_) return;
    unloadMainWindow_();
    endProgram();
}

void PromoWindow::Form_QueryUnload() {
    isEnd_ = true;
    stopWaits_ = true;
    unloadMainWindow_();
    endProgram();
}

void PromoWindow::endProgram() {
    programEnded_ = true;
    stopWaits_ = true;
    services_.ender.endProgram();
}

void PromoWindow::closeEvent(QCloseEvent* event) {
    if (!programEnded_) Form_QueryUnload();
    event->accept();
}

}  // namespace tutor
