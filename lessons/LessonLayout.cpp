#include "lessons/LessonLayout.h"

#include <QPushButton>

#include "lessons/BoardAnalysis.h"
#include "lessons/CaptionLabel.h"
#include "lessons/LessonControls.h"
#include "common/MainLayout.h"
#include "platform/Services.h"

namespace tutor {

namespace {

TwipsControl& need(TwipsControl* control) {
    if (!control) throw LayoutControlMissing();
    return *control;
}

// The keys of one row after its first: each one key width right of the last.
void layOutRowTail(LessonControls& c, int first) {
    for (int k = first + 1; k < first + kKeysPerRow; ++k) {
        TwipsControl& key = c.cmdKey[k].geom();
        key.setLeft(static_cast<double>(c.cmdKey[k - 1].geom().left()) + key.width());
        if (first != 0) key.setTop(c.cmdKey[first].geom().top());
        c.cmdKey[k]->setText(QString::fromStdString(keyCaption(k)));
    }
}

}  // namespace

void layOutKeyboard(LessonControls& c, KeyOfCardTable& keyOfCard) {
    for (auto& label : c.lblName) label->setBorderStyle(0);
    for (auto& key : c.cmdKey) {
        key.geom().setLeft(0);
        key.geom().setTop(0);
    }
    c.cmdKey[0]->setText(QStringLiteral("2"));
    layOutRowTail(c, 0);

    c.cmdKey[13]->setText(QStringLiteral("2"));
    c.cmdKey[13].geom().setTop(c.cmdKey[13].geom().height());
    layOutRowTail(c, 13);

    c.cmdKey[26].geom().setTop(2.0 * c.cmdKey[0].geom().height());
    c.cmdKey[26]->setText(QStringLiteral("2"));
    layOutRowTail(c, 26);

    c.cmdKey[39].geom().setTop(3.0 * c.cmdKey[0].geom().height());
    c.cmdKey[39]->setText(QStringLiteral("2"));
    layOutRowTail(c, 39);

    fillKeyOfCard(keyOfCard);
}

void layOutLessonArea(LessonControls& c, const MainLayout& main, const ScreenMetrics& screen) {
    TwipsControl& tree = need(main.treeView1);
    TwipsControl& page = need(main.webBrowser1);
    page.setTop(tree.top());
    page.setLeft(static_cast<double>(tree.width()) + tree.left() + tree.width() * 0.05);

    TwipsControl& quiz = need(main.picQuiz);
    quiz.setWidth(page.width());
    quiz.setHeight(page.height());
    quiz.setLeft(page.left());
    quiz.setTop(page.top());

    TwipsControl& demo = need(main.picDemo);
    demo.setWidth(page.width());
    demo.setHeight(page.height());
    demo.setLeft(page.left());
    demo.setTop(page.top());
    const float screenPixels = screen.widthTwips() / screen.twipsPerPixelX();
    if (screenPixels == 800.0f) {
        demo.setLeft(static_cast<double>(page.left()) - 800);
        demo.setWidth(static_cast<double>(page.width()) + 950);
    }

    const double w = quiz.width();
    const double h = quiz.height();
    TwipsControl& keys = c.picKeys.geom();
    TwipsControl& suits = c.picSuits.geom();
    TwipsControl& show = c.picShow.geom();
    TwipsControl& labels = c.picLabels.geom();

    keys.setWidth(static_cast<double>(c.cmdKey[0].geom().width()) * 13);
    keys.setHeight(static_cast<double>(c.cmdKey[0].geom().height()) * 4);
    keys.setLeft(w / 2 - keys.width() / 2.0 + suits.width() / 2.0);
    keys.setTop(h / 2);

    show.setLeft(w / 2 - show.width());
    labels.setLeft(w / 2);
    show.setTop(h / 9);
    labels.setTop(h / 9);
    show.setWidth(labels.width());
    show.setHeight(labels.height());

    TwipsControl& heading = c.lblHeading1.geom();
    heading.setTop(h / 20);
    heading.setLeft(w / 2 - heading.width() / 2.0);

    TwipsControl& clear = c.cmdClear.geom();
    clear.setLeft(w / 2 - clear.width() / 2.0);
    clear.setTop(static_cast<double>(keys.height()) + keys.top() + clear.height());

    suits.setLeft(static_cast<double>(keys.left()) - suits.width() - suits.width() / 25.0);
    suits.setTop(keys.top());

    TwipsControl& frame1 = c.Frame1.geom();
    TwipsControl& frame2 = c.Frame2.geom();
    frame1.setLeft(w / 2 - frame1.width() * 1.3);
    frame1.setTop(h - frame1.height() * 1.2);
    frame2.setLeft(w / 2 + frame1.width() * 0.3);
    frame2.setTop(h - frame1.height() * 1.2);

    TwipsControl& message = c.lblMessage.geom();
    message.setWidth(static_cast<double>(show.width()) * 2);
    message.setTop(static_cast<double>(show.height()) + show.top());
    message.setLeft(show.left());
}

}  // namespace tutor
