#include "support/PixelMeasures.h"

#include <QPainter>
#include <QString>
#include <QWidget>

namespace tutor::test {
namespace {

QImage rgb32(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// Grey of a pixel, 0 to 255.
int grey(QRgb p) { return (qRed(p) * 11 + qGreen(p) * 16 + qBlue(p) * 5) / 32; }

bool blockIsOneColour(const QImage& img, int x, int y) {
    const QRgb first = img.pixel(x, y);
    return img.pixel(x + 1, y) == first && img.pixel(x, y + 1) == first &&
           img.pixel(x + 1, y + 1) == first;
}

}  // namespace

double uniformEdgeBlockShare(const QImage& image) {
    const QImage img = rgb32(image);
    int edgeBlocks = 0, uniform = 0;
    for (int y = 0; y + 3 < img.height(); y += 2)
        for (int x = 0; x + 3 < img.width(); x += 2) {
            const bool oneColour = blockIsOneColour(img, x, y);
            const QRgb c = img.pixel(x, y);
            const bool touchesEdge = !oneColour || !blockIsOneColour(img, x + 2, y) ||
                                     !blockIsOneColour(img, x, y + 2) || img.pixel(x + 2, y) != c ||
                                     img.pixel(x, y + 2) != c;
            if (!touchesEdge) continue;
            ++edgeBlocks;
            if (oneColour) ++uniform;
        }
    return edgeBlocks == 0 ? 0.0 : static_cast<double>(uniform) / edgeBlocks;
}

double edgeEnergy(const QImage& image) {
    const QImage img = rgb32(image);
    double sum = 0;
    long count = 0;
    for (int y = 0; y + 1 < img.height(); ++y)
        for (int x = 0; x + 1 < img.width(); ++x) {
            const int g = grey(img.pixel(x, y));
            const int right = g - grey(img.pixel(x + 1, y));
            const int down = g - grey(img.pixel(x, y + 1));
            sum += right * right + down * down;
            count += 2;
        }
    return count == 0 ? 0.0 : sum / count;
}

QImage logicalCrop(const QImage& image, const QRect& rect) {
    const qreal r = image.devicePixelRatio();
    const QRectF device(rect.x() * r, rect.y() * r, rect.width() * r, rect.height() * r);
    QImage crop = image.copy(device.toAlignedRect());
    crop.setDevicePixelRatio(1);
    return crop;
}

::testing::AssertionResult asCrispAs(const QImage& shown, const QImage& reference) {
    const double share = uniformEdgeBlockShare(shown), refShare = uniformEdgeBlockShare(reference);
    const double energy = edgeEnergy(shown), refEnergy = edgeEnergy(reference);
    const bool crisp = share <= refShare + 0.05 && energy >= 0.85 * refEnergy;
    auto figure = [](double v, int decimals) {
        return QString::number(v, 'f', decimals).toStdString();
    };
    auto result = crisp ? ::testing::AssertionSuccess() : ::testing::AssertionFailure();
    return result << "one-coloured edge blocks " << figure(share, 3) << " (reference "
                  << figure(refShare, 3) << "), edge energy " << figure(energy, 0) << " (reference "
                  << figure(refEnergy, 0) << ")";
}

int pixelsOfColour(const QImage& image, QColor colour) {
    const QImage img = rgb32(image);
    const QRgb wanted = colour.rgb() & RGB_MASK;
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((line[x] & RGB_MASK) == wanted) ++n;
    }
    return n;
}

QImage renderOverFill(QWidget& widget, QColor fill) {
    const qreal ratio = widget.devicePixelRatioF();
    QImage img(widget.size() * ratio, QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    img.fill(fill);
    widget.render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    return img;
}

}  // namespace tutor::test
