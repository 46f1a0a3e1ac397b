#include "support/SameImage.h"

#include "support/QtPrinters.h"

#include <QColor>
#include <QString>

#include <string>

namespace tutor::test {
namespace {

std::string argb(QRgb pixel) {
    return QColor::fromRgba(pixel).name(QColor::HexArgb).toStdString();
}

}  // namespace

::testing::AssertionResult sameImage(const QImage& a, const QImage& b) {
    if (a == b) return ::testing::AssertionSuccess() << ::testing::PrintToString(a) << " alike";
    auto failure = ::testing::AssertionFailure()
                   << ::testing::PrintToString(a) << " against " << ::testing::PrintToString(b);
    if (a.size() != b.size()) return failure << ": the sizes differ";
    if (a.format() != b.format()) return failure << ": the formats differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return failure << ": the first differing pixel is (" << x << ", " << y << "), "
                               << argb(a.pixel(x, y)) << " against " << argb(b.pixel(x, y));
    // Same ARGB everywhere, yet unequal: stored bits that pixel() hides (such
    // as colour under zero alpha, premultiplied) or the colour tables.
    return failure << ": every pixel reads alike, the stored data or colour tables differ";
}

}  // namespace tutor::test
