#include "PromoPixels.h"

#include <cstdio>
#include <vector>

#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>

#include "promotion/PromoPictures.h"
#include "support/PixelMeasures.h"

namespace tutor::testing {

namespace {

const QLabel* labelOf(const PromoWindow& window, const QString& name) {
    return window.findChild<QLabel*>(name);
}

// Where a label lies in the window, in logical pixels.
QRect placeIn(const PromoWindow& window, const QString& name) {
    const QLabel* label = labelOf(window, name);
    return label ? QRect(label->mapTo(&window, QPoint(0, 0)), label->size()) : QRect();
}

}  // namespace

QImage promoReference(const PromoWindow& window) {
    const qreal ratio = window.devicePixelRatioF();
    const PromoPictures pics = makePromoPictures(ratio);
    QImage img(window.size() * ratio, QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(window.palette().color(QPalette::Window));
    QPainter p(&img);
    auto put = [&](const QString& name, const QPixmap& picture) {
        const QLabel* label = labelOf(window, name);
        if (label && label->isVisibleTo(&window))
            p.drawPixmap(label->mapTo(&window, QPoint(0, 0)), picture);
    };
    // Bottom to top, as the window stacks them.
    put(QStringLiteral("Picture6_image"), pics.table);
    put(QStringLiteral("Picture1_4"), pics.board[4]);
    for (int i = 0; i < PromoWindow::kDealtPairs; ++i)
        put(QStringLiteral("Picture2_%1").arg(i), pics.faceDownPair);
    put(QStringLiteral("Picture3"), pics.jacks);
    for (int i = 0; i < 4; ++i) put(QStringLiteral("Picture1_%1").arg(i), pics.board[i]);
    put(QStringLiteral("Picture1_6"), makePromoLogo(labelOf(window, "Label2")->text(), ratio));
    return img;
}

void expectPromoCrisp(PromoWindow& window) {
    struct Region {
        const char* what;
        QRect rect;
    };
    const QRect table = placeIn(window, "Picture6_image");
    std::vector<Region> regions = {
        {"table and name plates", QRect(table.topLeft(), QSize(table.width(), 60))},
        {"dealt pair", placeIn(window, "Picture2_0")},
        {"jacks", placeIn(window, "Picture3")},
        {"fanned board", placeIn(window, "Picture1_0").united(placeIn(window, "Picture1_3"))},
        {"board card on the table", placeIn(window, "Picture1_4")},
    };
    if (labelOf(window, "Picture1_6")) regions.push_back({"logo", placeIn(window, "Picture1_6")});

    const qreal ratio = window.devicePixelRatioF();
    ASSERT_GT(ratio, 1.0) << "the window is not on a screen of tests/screens";
    const QImage shown = window.grab().toImage();
    ASSERT_EQ(shown.size(), window.size() * ratio);
    const QImage ref = promoReference(window);
    for (const Region& r : regions) {
        const auto result =
            test::asCrispAs(test::logicalCrop(shown, r.rect), test::logicalCrop(ref, r.rect));
        EXPECT_TRUE(result) << r.what;
        std::printf("%s, ratio %.1f, %s: %s\n", qPrintable(window.objectName()), ratio, r.what,
                    result.message());
    }
}

}  // namespace tutor::testing
