#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "platform/Services.h"
#include "platform/TwipsControl.h"
#include "promotion/PromoPictures.h"

class QFont;
class QLabel;
class QPushButton;

namespace tutor {

// What sets one promotion window apart from its twin. Places are left, top,
// width and height in twips.
struct PromoDesign {
    QString objectName;
    QString caption;
    QString title;  // Label2
    QRectF titlePlace;
    QPointF reducedImageLabelAt;  // Label28
    QRectF textBoxPlace;          // Picture4
    QRectF textPlace;             // Label44, inside Picture4
    QString text;
    QString buttonCaption;  // cmdPokerRoom
    QRectF buttonPlace;
    QString notice;  // Label1, the trade-mark notice
};

// A promotion window: a reduced picture of an online poker table with a card
// animation looping over it, a promotion text and a web-page button. Its
// first show runs the animation inside that call; closing the window or
// pressing the button unloads the main window and ends the program.
class PromoWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kDealtPairs = 9;
    static constexpr int kBoardCards = PromoPictures::kBoardCards;

    ~PromoWindow() override;

    // Hides the animated pictures, shows the window and runs the animation
    // until the window ends it; returns earlier only when a step failed.
    void Form_Load();

    // The window's stop: true from the close request on, never reset.
    bool isEnd() const { return isEnd_; }
    // True once this window has asked for the program to end.
    bool programEnded() const { return programEnded_; }

    // Waits delayTime milliseconds with the window live; returns at once
    // once the window is stopping.
    void shortDelay(const std::int32_t& delayTime);

    // The web-page button: opens the page, unloads the main window and
    // ends the program. A press while that is under way does nothing.
    void cmdPokerRoom_Click();

    // Where board card index (0 to 4) stands, in twips of its container.
    float picture1Left(int index) const;

  protected:
    PromoWindow(Services& services, std::function<void()> unloadMainWindow,
                const PromoDesign& design);

    void closeEvent(QCloseEvent* event) override;

    // The page the web-page button opens.
    virtual QString webPageAddress() const;

    TwipsControl& place(QWidget* widget, const QRectF& twips);
    // A picture box with a sunken border; children go into the returned
    // client area, placed in twips from its top-left corner.
    QWidget* addBox(QWidget* parent, const QString& name, const QRectF& twips, const QColor& back);
    // A one-line label grows to its whole text: our fonts run a little wider
    // than the ones the layout was made for.
    QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRectF& twips,
                     const QFont& font, bool wordWrap = false);
    // Makes a picture for a screen of the given device-pixel ratio.
    using PictureMaker = std::function<QPixmap(qreal ratio)>;
    QLabel* addPicture(QWidget* parent, const QString& name, PictureMaker picture,
                       const QRectF& twips);

    void paintEvent(QPaintEvent* event) override;

    Services& services_;

  private:
    // The label shows the picture made for the window's ratio, and a new one
    // whenever the window comes to show on a screen of another ratio.
    void keepPicture(QLabel* label, PictureMaker picture);
    void ensurePictures();

    void showAndAnimate();
    void Command1_Click();
    void Command2_Click();
    // 411 untimed steps, card i moving i twips a step to the right
    // (direction 1) or to the left (-1), with an event pass after each.
    void slideBoard(int direction);
    void Form_QueryUnload();
    // The window's own stop, and the program's end as seen from here: with
    // the real platform the end never returns, so nothing runs after it.
    bool stopping() const { return stopWaits_; }
    void endProgram();

    std::function<void()> unloadMainWindow_;
    std::vector<std::unique_ptr<TwipsControl>> placed_;

    PromoPictures pictures_;
    qreal picturesRatio_ = 0;  // the device-pixel ratio the pictures were made for
    struct KeptPicture {
        QLabel* label;
        PictureMaker make;
    };
    std::vector<KeptPicture> keptPictures_;

    std::array<QLabel*, kDealtPairs> picture2_{};
    QLabel* picture3_ = nullptr;
    std::array<QLabel*, kBoardCards> picture1_{};
    std::array<TwipsControl*, kBoardCards> cardPlace_{};
    QPushButton* cmdPokerRoom_ = nullptr;

    bool isEnd_ = false;
    bool programEnded_ = false;
    bool stopWaits_ = false;  // isEnd_ or programEnded_: the waits' stop flag
    bool leaving_ = false;    // the web-page button has been pressed
};

}  // namespace tutor
