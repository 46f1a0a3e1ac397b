#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

#include "platform/CardRenderer.h"
#include "support/PixelMeasures.h"

namespace tutor {
namespace {

using test::edgeEnergy;
using test::uniformEdgeBlockShare;

// A card on white, painted at the widget's device resolution.
class CardWidget : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.drawPixmap(4, 4, CardRenderer::face(37, QSize(71, 96), devicePixelRatioF()));
    }
};

// The same picture made at logical size and drawn up to the screen's ratio.
QImage blownUp(QSize logical, qreal ratio, bool smooth) {
    QImage small(logical, QImage::Format_RGB32);
    small.fill(Qt::white);
    {
        QPainter p(&small);
        p.drawPixmap(4, 4, CardRenderer::face(37));
    }
    QImage big(logical * ratio, QImage::Format_RGB32);
    QPainter p(&big);
    p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    p.drawImage(big.rect(), small);
    return big;
}

// The measures the window tests rely on tell a crisp picture from a
// pixel-doubled or a smoothed copy of it, at the ratio of this test's screen.
TEST(PixelMeasures, TellCrispFromBlownUp) {
    CardWidget widget;
    widget.resize(79, 104);
    const qreal ratio = widget.devicePixelRatioF();
    ASSERT_GT(ratio, 1.0) << "run on a screen of tests/screens";
    const QImage crisp = widget.grab().toImage();
    ASSERT_EQ(crisp.size(), widget.size() * ratio);
    const QImage doubled = blownUp(widget.size(), ratio, false);
    const QImage smoothed = blownUp(widget.size(), ratio, true);

    if (ratio == 2.0) {
        EXPECT_DOUBLE_EQ(uniformEdgeBlockShare(doubled), 1.0);
    }
    EXPECT_LT(uniformEdgeBlockShare(crisp), 0.8);
    EXPECT_LT(edgeEnergy(smoothed), 0.8 * edgeEnergy(crisp)) << edgeEnergy(smoothed) << " vs " << edgeEnergy(crisp);
    EXPECT_LT(edgeEnergy(doubled), 0.8 * edgeEnergy(crisp)) << edgeEnergy(doubled) << " vs " << edgeEnergy(crisp);
}

TEST(PixelMeasures, RenderOverFillShowsWhatAWidgetLeavesUnpainted) {
    QWidget widget;
    widget.setAttribute(Qt::WA_OpaquePaintEvent);
    widget.resize(10, 10);
    const QImage img = test::renderOverFill(widget, Qt::magenta);
    EXPECT_EQ(img.size(), widget.size() * widget.devicePixelRatioF());
    EXPECT_EQ(test::pixelsOfColour(img, Qt::magenta), img.width() * img.height());
}

}  // namespace
}  // namespace tutor
