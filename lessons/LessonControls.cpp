#include "lessons/LessonControls.h"

#include <algorithm>

#include <QApplication>
#include <QButtonGroup>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "lessons/CaptionLabel.h"
#include "lessons/HandWindow.h"
#include "lessons/VbColor.h"
#include "platform/Services.h"

namespace tutor {

namespace {

QFont vbFont(const char* family, double points, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setBackground(QWidget* widget, std::uint32_t bgr) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, vbColor(bgr));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

template <class W, class... Args>
Placed<W> place(QWidget* parent, const char* name, const ScreenMetrics& screen, float left,
                float top, float width, float height, Args&&... args) {
    Placed<W> placed;
    placed.widget = new W(std::forward<Args>(args)..., parent);
    placed.widget->setObjectName(QString::fromLatin1(name));
    placed.twips = std::make_unique<TwipsControl>(placed.widget, left, top, width, height, screen);
    return placed;
}

Placed<QPushButton> button(QWidget* parent, const char* name, const char* caption, double points,
                           const ScreenMetrics& screen, float left, float top, float width,
                           float height) {
    auto placed = place<QPushButton>(parent, name, screen, left, top, width, height,
                                     QString::fromLatin1(caption));
    placed->setFont(vbFont("MS Sans Serif", points, true));
    placed->setFocusPolicy(Qt::NoFocus);
    return placed;
}

}  // namespace

const char* nameLabelDesignCaption(int index) {
    static const char* const captions[kNameLabelCount] = {
        "Straight Flush",  "Four of a Kind", "Full House", "Flush",    "Straight",
        "Three of a Kind", "Two Pair",       "One Pair",   "High Card"};
    return index >= 0 && index < kNameLabelCount ? captions[index] : "";
}

void LessonControls::build(QWidget* picQuiz, const ScreenMetrics& screen) {
    setBackground(picQuiz, colour::panelGrey);

    picKeys = place<QWidget>(picQuiz, "picKeys", screen, 225, 4050, 8205, 2085);
    setBackground(picKeys.widget, colour::lightGrey);
    keyGroup = new QButtonGroup(picQuiz);
    for (int k = 0; k < kKeyCount; ++k) {
        const QByteArray name = "cmdKey_" + QByteArray::number(k);
        cmdKey[k] = button(picKeys.widget, name.constData(), "1", 9.75, screen, 0, 0, 465, 435);
        keyGroup->addButton(cmdKey[k].widget, k);
    }

    picSuits = place<QWidget>(picQuiz, "picSuits", screen, 4485, 4110, 1335, 1755);
    setBackground(picSuits.widget, colour::lightGrey);
    zCommand1 = button(picSuits.widget, "zCommand1", "Clubs", 8.25, screen, 0, 0, 1335, 435);
    zCommand2 = button(picSuits.widget, "zCommand2", "Diamonds", 8.25, screen, 0, 435, 1335, 435);
    zCommand3 = button(picSuits.widget, "zCommand3", "Spades", 8.25, screen, 0, 870, 1335, 435);
    zcommandbutton5 =
        button(picSuits.widget, "zcommandbutton5", "Hearts", 8.25, screen, 0, 1305, 1335, 435);

    picShow = place<HandWindow>(picQuiz, "picShow", screen, 1290, 1995, 3180, 1545);
    picShow->setBackColor(colour::green);
    picLabels = place<HandWindow>(picQuiz, "picLabels", screen, 5130, 780, 3210, 2820);
    picLabels->setBackColor(colour::lightGrey);

    static const float labelTops[kNameLabelCount] = {60,   375,  690,  990, 1290,
                                                     1575, 1875, 2175, 2475};
    for (int i = 0; i < kNameLabelCount; ++i) {
        const QByteArray name = "lblName_" + QByteArray::number(i);
        lblName[i] = place<CaptionLabel>(picLabels.widget, name.constData(), screen, 165,
                                         labelTops[i], 2850, 270);
        lblName[i]->setText(QString::fromLatin1(nameLabelDesignCaption(i)));
        lblName[i]->setFont(vbFont("MS Sans Serif", 9.75, true));
        lblName[i]->setBackColor(colour::lightGrey);
        // Label 0 was designed black, the others in the system's window
        // text; every reset or highlight makes them all explicit.
        lblName[i]->setForeColor(
            i == 0 ? colour::black : bgrOf(QApplication::palette().color(QPalette::WindowText)));
    }

    lblHeading1 = place<CaptionLabel>(picQuiz, "lblHeading1", screen, 2580, 270, 3855, 465);
    lblHeading1->setFont(vbFont("Courier New", 20.25, true));
    lblHeading1->setBackColor(colour::panelGrey);
    lblHeading1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    cmdClear = button(picQuiz, "cmdClear", "Clear", 9.75, screen, 3750, 6375, 1200, 855);

    const QFont frameFont = vbFont("MS Sans Serif", 9.75, true);
    const QFont exFont = vbFont("MS Sans Serif", 9.75, false);
    auto frame = [&](const char* name, const char* caption, float left, float top) {
        auto placed = place<QGroupBox>(picQuiz, name, screen, left, top, 3135, 1890,
                                       QString::fromLatin1(caption));
        placed->setFont(frameFont);
        QPalette p = placed->palette();
        p.setColor(QPalette::Window, vbColor(colour::panelGrey));
        p.setColor(QPalette::Active, QPalette::WindowText, vbColor(colour::darkGrey));
        p.setColor(QPalette::Inactive, QPalette::WindowText, vbColor(colour::darkGrey));
        // A disabled box greys its caption and its text, so it reads as switched off.
        p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 140, 140));
        p.setColor(QPalette::Disabled, QPalette::Text, QColor(140, 140, 140));
        p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(140, 140, 140));
        placed->setPalette(p);
        placed->setAutoFillBackground(true);
        return placed;
    };
    Frame1 = frame("Frame1", "Exercise #1", 450, 6480);
    Frame2 = frame("Frame2", "Exercise #2", 4860, 6465);

    auto explanation = [&](QGroupBox* parent, const char* name) {
        auto placed = place<QLabel>(parent, name, screen, 120, 270, 2895, 990);
        placed->setFont(exFont);
        placed->setWordWrap(true);
        placed->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // A QGroupBox draws its caption above the top border, not across it,
        // which lowers the border onto the first line of the explanation.
        // Below the border the text gets the room it has beside the left one.
        const QRect inside = parent->contentsRect();
        const int below = inside.top() + (placed->x() - inside.left()) - placed->y();
        placed->setContentsMargins(0, std::max(0, below), 0, 0);
        return placed;
    };
    lblEx1 = explanation(Frame1.widget, "lblEx1");
    lblEx2 = explanation(Frame2.widget, "lblEx2");

    auto start = [&](QGroupBox* parent, const char* name, float left) {
        return button(parent, name, "Start", 9.75, screen, left, 1275, 735, 420);
    };
    cmdStart1A = start(Frame1.widget, "cmdStart1A", 1380);
    cmdStart2A = start(Frame1.widget, "cmdStart2A", 1380);
    cmdStart3A = start(Frame1.widget, "cmdStart3A", 1380);
    cmdStart4 = start(Frame1.widget, "cmdStart4", 1395);
    cmdStart1B = start(Frame2.widget, "cmdStart1B", 1380);
    cmdStart2B = start(Frame2.widget, "cmdStart2B", 1380);
    cmdStart3B = start(Frame2.widget, "cmdStart3B", 1380);

    lblMessage = place<CaptionLabel>(picQuiz, "lblMessage", screen, 180, 1110, 4830, 240);
    lblMessage->setFont(vbFont("MS Sans Serif", 9.75, true));
    lblMessage->setBackColor(colour::black);
    lblMessage->setForeColor(colour::white);
}

}  // namespace tutor
