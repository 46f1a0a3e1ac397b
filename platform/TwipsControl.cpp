#include "platform/TwipsControl.h"

#include <cmath>

#include <QWidget>

#include "platform/Services.h"

namespace tutor {

namespace {
// Far beyond any screen, and small enough that the pixel value fits an int.
constexpr double kLargestTwips = 2.0e8;

int toPixels(float twips, float twipsPerPixel) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}
}  // namespace

TwipsControl::TwipsControl(QWidget* widget, float left, float top, float width, float height,
                           const ScreenMetrics& screen)
    : widget_(widget), left_(left), top_(top), width_(width), height_(height), screen_(screen) {
    place();
}

float TwipsControl::checked(double twips, bool isSize) {
    if (!std::isfinite(twips) || std::fabs(twips) > kLargestTwips) throw ControlRefused();
    if (isSize && twips < 0) throw ControlRefused();
    return static_cast<float>(twips);
}

void TwipsControl::setLeft(double twips) {
    left_ = checked(twips, false);
    place();
}

void TwipsControl::setTop(double twips) {
    top_ = checked(twips, false);
    place();
}

void TwipsControl::setWidth(double twips) {
    width_ = checked(twips, true);
    place();
}

void TwipsControl::setHeight(double twips) {
    height_ = checked(twips, true);
    place();
}

void TwipsControl::place() {
    if (!widget_) return;
    const float tx = screen_.twipsPerPixelX();
    const float ty = screen_.twipsPerPixelY();
    widget_->setGeometry(toPixels(left_, tx), toPixels(top_, ty), toPixels(width_, tx),
                         toPixels(height_, ty));
}

}  // namespace tutor
