#include "samplegame/SampleGamePanel.h"

#include <cmath>

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

#include "common/mDefs.h"
#include "platform/ShortDelay.h"

namespace tutor {

namespace {

constexpr float kPanelWidth = 9720, kPanelHeight = 8760;
constexpr float kDealerLeft = 7905, kDealerTop = 4080;
constexpr int kDealerSlide = 1300;  // one-twip moves on each axis

const QString kCrLf = QStringLiteral("\r\n");

QFont sansSerif(bool bold = false, bool underline = false) {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(9.75);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

QColor fromBgr(std::uint32_t bgr) {
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

void setBackground(QWidget* w, const QColor& colour, QPalette::ColorRole role) {
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

}  // namespace

SampleGamePanel::SampleGamePanel(Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName("picDemo");
    setBackground(this, Qt::black, QPalette::Window);
    const float tx = services_.screen.twipsPerPixelX();
    const float ty = services_.screen.twipsPerPixelY();
    resize(static_cast<int>(std::lround(kPanelWidth / tx)),
           static_cast<int>(std::lround(kPanelHeight / ty)));

    // Created bottom to top: hole cards, the dealer button, the board, the
    // hands turned over at the showdown (above the hole cards they cover),
    // then the labels, the commentary and the buttons.
    const auto& seats = demo::seats();
    for (int i = 0; i < demo::kSeats; ++i)
        picPocket_[i] = makePicture(QStringLiteral("picPocket_%1").arg(i), seats[i].pocketLeft,
                                    seats[i].pocketTop, 615, 645);

    picDealer_ = makePicture(QStringLiteral("picDealer"), kDealerLeft, kDealerTop, 390, 345);
    dealerPlace_ = placed_.back().get();

    const float flopLeft[demo::kBoardCards] = {3300, 4095, 4890, 5685, 6465};
    const float flopTop[demo::kBoardCards] = {2805, 2805, 2805, 2805, 2790};
    for (int i = 0; i < demo::kBoardCards; ++i)
        picFlop_[i] =
            makePicture(QStringLiteral("picFlop_%1").arg(i), flopLeft[i], flopTop[i], 810, 1080);

    picShowDown1_ = makePicture(QStringLiteral("picShowDown1"), 1935, 1665, 1035, 1080);
    picShowDown2_ = makePicture(QStringLiteral("picShowDown2"), 6510, 4395, 1020, 1080);

    for (int i = 0; i <= demo::kSeats; ++i) {
        auto* label =
            new QLabel(i == demo::kPotLabel ? QStringLiteral("Pot") : QStringLiteral("50c"), this);
        label->setObjectName(QStringLiteral("lblArray_%1").arg(i));
        label->setFont(sansSerif());
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        label->setPalette(pal);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(false);
        lblArray_[i] = label;
        if (i == demo::kPotLabel) {
            lblDesignWidth_[i] = 300;
            lblPlace_[i] = &place(label, 4905, 4080, 300, 240);
        } else {
            lblDesignWidth_[i] = 330;
            lblPlace_[i] = &place(label, seats[i].labelLeft, seats[i].labelTop, 330, 240);
        }
        label->hide();
    }

    picture1_ = new QFrame(this);
    picture1_->setObjectName("Picture1");
    picture1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackground(picture1_, fromBgr(0x00c0c0c0), QPalette::Window);
    place(picture1_, 2970, 5925, 3810, 1785);

    txtComments_ = new QPlainTextEdit(picture1_);
    txtComments_->setObjectName("txtComments");
    txtComments_->setReadOnly(true);
    txtComments_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtComments_->setFont(sansSerif());
    {
        QPalette pal = txtComments_->palette();
        pal.setColor(QPalette::Base, fromBgr(0x00e0e0e0));
        pal.setColor(QPalette::Text, Qt::black);
        txtComments_->setPalette(pal);
    }
    place(txtComments_, 105, 75, 3570, 1590);

    cmdNext_ = new QPushButton(QStringLiteral("Next"), this);
    cmdNext_->setObjectName("cmdNext");
    place(cmdNext_, 4410, 7740, 1050, 315);
    connect(cmdNext_, &QPushButton::clicked, this, [this] { nextPressed(); });

    lblEnough_ = new QLabel(QStringLiteral("Enough poker school, Take me to a real game"), this);
    lblEnough_->setObjectName("lblEnough");
    lblEnough_->setFont(sansSerif(true, true));
    {
        QPalette pal = lblEnough_->palette();
        pal.setColor(QPalette::WindowText, fromBgr(0x0000c000));
        lblEnough_->setPalette(pal);
    }
    // On the system's base colour, not the panel's black.
    setBackground(lblEnough_, QPalette().color(QPalette::Base), QPalette::Window);
    lblEnough_->setCursor(makePointingHandCursor());
    lblEnough_->setToolTip(
        QStringLiteral("%1 at %2: free $1000 play chips to practise with")
            .arg(QString::fromLatin1(demo::kPokerRoom), QUrl(playOnlineUrl).host()));
    lblEnough_->installEventFilter(this);
    place(lblEnough_, 2520, 8280, 4845, 270);
    lblEnough_->hide();

    picShowDown1_->hide();
    picShowDown2_->hide();
    for (auto* p : picPocket_) p->hide();
    for (auto* p : picFlop_) p->hide();
}

SampleGamePanel::~SampleGamePanel() = default;

TwipsControl& SampleGamePanel::place(QWidget* widget, float left, float top, float width,
                                     float height) {
    placed_.push_back(
        std::make_unique<TwipsControl>(widget, left, top, width, height, services_.screen));
    return *placed_.back();
}

QLabel* SampleGamePanel::makePicture(const QString& name, float left, float top, float width,
                                     float height) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAttribute(Qt::WA_TranslucentBackground);
    place(label, left, top, width, height);
    return label;
}

// The pictures are drawn when the panel is first needed rather than at
// start-up: drawing the table takes longer than building the whole main window.
// They are drawn at the device-pixel ratio of the screen the panel is on, and
// again when it comes to show on a screen of another ratio.
void SampleGamePanel::ensurePictures() {
    const qreal ratio = devicePixelRatioF();
    if (!pictures_.table.isNull() && ratio == picturesRatio_) return;
    pictures_ = makeTablePictures(services_.cards, ratio);
    picturesRatio_ = ratio;
    for (auto* p : picPocket_) p->setPixmap(pictures_.holeCards);
    picDealer_->setPixmap(pictures_.dealerButton);
    for (int i = 0; i < demo::kBoardCards; ++i) picFlop_[i]->setPixmap(pictures_.board[i]);
    picShowDown1_->setPixmap(pictures_.showdown1);
    picShowDown2_->setPixmap(pictures_.showdown2);
}

void SampleGamePanel::paintEvent(QPaintEvent*) {
    ensurePictures();
    QPainter p(this);
    p.drawPixmap(0, 0, pictures_.table);
}

bool SampleGamePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblEnough_ && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && lblEnough_->rect().contains(mouse->pos())) {
            emit lblEnoughClicked();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString SampleGamePanel::commentsText() const {
    return txtComments_->toPlainText().replace(QLatin1Char('\n'), kCrLf);
}

void SampleGamePanel::setCommentsText(const QString& text) {
    // The box breaks a line at each CR LF pair.
    txtComments_->setPlainText(QString(text).replace(kCrLf, QStringLiteral("\n")));
}

float SampleGamePanel::dealerLeft() const {
    return dealerPlace_->left();
}
float SampleGamePanel::dealerTop() const {
    return dealerPlace_->top();
}

void SampleGamePanel::setLabelCaption(int index, const QString& caption) {
    QLabel* label = lblArray_[index];
    label->setText(caption);
    // The label grows to show its whole caption on one line.
    const float textTwips =
        static_cast<float>(label->fontMetrics().horizontalAdvance(caption) + 2) *
        services_.screen.twipsPerPixelX();
    lblPlace_[index]->setWidth(std::max(lblDesignWidth_[index], textTwips));
}

bool SampleGamePanel::pause(std::int32_t milliseconds) {
    QPointer<SampleGamePanel> alive(this);
    shortDelay(milliseconds, services_);
    return !alive.isNull();
}

void SampleGamePanel::resetDemo() {
    ensurePictures();
    picShowDown1_->hide();
    picShowDown2_->hide();
    cmdNext_->setText(QStringLiteral("Next"));
    if (dealerStartLeft_ == 0)
        dealerStartLeft_ = static_cast<std::int16_t>(std::nearbyint(dealerPlace_->left()));
    if (dealerStartTop_ == 0)
        dealerStartTop_ = static_cast<std::int16_t>(std::nearbyint(dealerPlace_->top()));
    dealerPlace_->setLeft(dealerStartLeft_);
    dealerPlace_->setTop(dealerStartTop_);
    lblEnough_->hide();
    for (int i = 0; i < demo::kSeats; ++i) {
        lblArray_[i]->hide();
        picPocket_[i]->hide();
    }
    for (auto* card : picFlop_) card->hide();
    lblArray_[demo::kPotLabel]->hide();
    cmdNext_Click();
}

// Only the user's presses are counted and dropped: the call that resetDemo
// makes after the last step always performs step 1.
void SampleGamePanel::nextPressed() {
    if (pressesInProgress_ >= kMaxNestedPresses) return;
    QPointer<SampleGamePanel> alive(this);
    ++pressesInProgress_;
    cmdNext_Click();
    if (alive) --pressesInProgress_;
}

void SampleGamePanel::cmdNext_Click() {
    ++demoStep_;
    if (demoStep_ > demo::kSteps) {
        demoStep_ = 0;
        QPointer<SampleGamePanel> alive(this);
        resetDemo();
        if (!alive) return;
    }
    performStep(demoStep_);
}

void SampleGamePanel::performStep(int number) {
    const demo::Step& step = demo::step(number);
    if (!runAnimation(step.animation)) return;
    if (number == demo::kSteps) {
        cmdNext_->setText(QStringLiteral("Replay"));
        lblEnough_->show();
    }
    if (number == 33)
        writeSummary();
    else
        setCommentsText(QString::fromStdString(step.commentary));
    if (step.seat >= 0) {
        setLabelCaption(step.seat, QString::fromStdString(step.caption));
        lblArray_[step.seat]->show();
        if (step.folds) picPocket_[step.seat]->hide();
    }
}

void SampleGamePanel::writeSummary() {
    setCommentsText(QString::fromStdString(demo::step(33).commentary));
    for (const std::string& piece : demo::summaryAdditions())
        setCommentsText(commentsText() + QString::fromStdString(piece));
}

bool SampleGamePanel::runAnimation(demo::Animation animation) {
    switch (animation) {
        case demo::Animation::None:
            return true;
        case demo::Animation::DealNewHand:
            return dealNewHand();
        case demo::Animation::ShowFlop:
            return showFlop();
        case demo::Animation::ShowTurn:
            return showTurn();
        case demo::Animation::ShowRiver:
            return showRiver();
        case demo::Animation::ShowShowdown:
            return showShowdown();
    }
    return true;
}

bool SampleGamePanel::dealNewHand() {
    // One twip at a time on each axis; the place is kept in twips, so the
    // moves add up exactly whatever the pixel size.
    for (int i = 0; i < kDealerSlide; ++i) {
        dealerPlace_->setLeft(dealerPlace_->left() - 1);
        dealerPlace_->setTop(dealerPlace_->top() + 1);
    }
    if (!pause(500)) return false;
    setLabelCaption(0, QStringLiteral("0.25"));
    setLabelCaption(1, QStringLiteral("0.50"));
    lblArray_[0]->show();
    lblArray_[1]->show();
    if (!pause(500)) return false;
    for (QLabel* pocket : picPocket_) {
        pocket->show();
        if (!pause(200)) return false;
    }
    return true;
}

bool SampleGamePanel::showFlop() {
    for (int i = 0; i < demo::kSeats; ++i) lblArray_[i]->hide();
    setLabelCaption(demo::kPotLabel, QStringLiteral("Pot  $3.00"));
    lblArray_[demo::kPotLabel]->show();
    for (int i = 0; i < 3; ++i) {
        picFlop_[i]->show();
        if (!pause(300)) return false;
    }
    return true;
}

bool SampleGamePanel::hideSeatLabelsAndWait(const char* potCaption) {
    for (int i = 0; i < demo::kSeats; ++i) lblArray_[i]->hide();
    setLabelCaption(demo::kPotLabel, QString::fromLatin1(potCaption));
    return pause(300);
}

bool SampleGamePanel::showTurn() {
    if (!hideSeatLabelsAndWait("Pot  $4.50")) return false;
    picFlop_[3]->show();
    return true;
}

bool SampleGamePanel::showRiver() {
    if (!hideSeatLabelsAndWait("Pot  $6.50")) return false;
    picFlop_[4]->show();
    return true;
}

bool SampleGamePanel::showShowdown() {
    if (!hideSeatLabelsAndWait("Pot  $10.50")) return false;
    picShowDown1_->show();
    picShowDown2_->show();
    return true;
}

}  // namespace tutor
