#include "ScaledPanelFixture.h"

#include <cstdio>

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "samplegame/TablePictures.h"
#include "support/PixelMeasures.h"

namespace tutor::testing {

ScaledPanelTest::ScaledPanelTest()
    : services{fakes.sound,    fakes.urls,
               fakes.messages, fakes.ender,
               fakes.clock,    fakes.random,
               fakes.screen,   fakes.events,
               cards,          fakes.services.programFolder},
      panel(services) {
    panel.show();
}

void ScaledPanelTest::playTo(int step) {
    panel.setDemoStep(0);
    panel.resetDemo();
    auto* next = panel.findChild<QPushButton*>("cmdNext");
    for (int guard = 0; panel.demoStep() != step && guard < 40; ++guard) next->click();
    ASSERT_EQ(panel.demoStep(), step);
}

QRect ScaledPanelTest::placeOf(const char* name) const {
    auto* w = panel.findChild<QWidget*>(QString::fromLatin1(name));
    return w ? w->geometry() : QRect();
}

QImage ScaledPanelTest::reference() {
    const qreal ratio = panel.devicePixelRatioF();
    const TablePictures pics = makeTablePictures(cards, ratio);
    QImage img(panel.size() * ratio, QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(Qt::black);
    QPainter p(&img);
    p.drawPixmap(0, 0, pics.table);
    auto put = [&](const QString& name, const QPixmap& picture) {
        auto* label = panel.findChild<QLabel*>(name);
        if (label && label->isVisible()) p.drawPixmap(label->pos(), picture);
    };
    for (int i = 0; i < demo::kSeats; ++i)
        put(QStringLiteral("picPocket_%1").arg(i), pics.holeCards);
    put(QStringLiteral("picDealer"), pics.dealerButton);
    for (int i = 0; i < demo::kBoardCards; ++i)
        put(QStringLiteral("picFlop_%1").arg(i), pics.board[i]);
    put(QStringLiteral("picShowDown1"), pics.showdown1);
    put(QStringLiteral("picShowDown2"), pics.showdown2);
    return img;
}

void ScaledPanelTest::expectCrisp(const std::vector<Region>& regions) {
    const qreal ratio = panel.devicePixelRatioF();
    ASSERT_GT(ratio, 1.0) << "the panel is not on a screen of tests/screens";
    const QImage shown = panel.grab().toImage();
    ASSERT_EQ(shown.size(), panel.size() * ratio);
    const QImage ref = reference();
    for (const Region& r : regions) {
        const auto result =
            test::asCrispAs(test::logicalCrop(shown, r.rect), test::logicalCrop(ref, r.rect));
        EXPECT_TRUE(result) << r.what;
        std::printf("ratio %.1f, %s: %s\n", ratio, r.what, result.message());
    }
}

}  // namespace tutor::testing
