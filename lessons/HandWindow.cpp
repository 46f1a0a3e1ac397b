#include "lessons/HandWindow.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPainter>

#include "lessons/VbColor.h"

namespace tutor {

HandWindow::HandWindow(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    fitSurface();
}

QSize HandWindow::clientSize() const {
    return QSize(std::max(1, width() - 2 * kBorderPixels), std::max(1, height() - 2 * kBorderPixels));
}

namespace {

// Device pixels enough to cover a logical size at a ratio.
QSize devicePixels(QSize logical, qreal ratio) {
    return QSize(static_cast<int>(std::ceil(logical.width() * ratio)),
                 static_cast<int>(std::ceil(logical.height() * ratio)));
}

}  // namespace

QImage& HandWindow::surface() {
    fitSurface();
    return surface_;
}

void HandWindow::fitSurface() {
    const qreal ratio = devicePixelRatioF();
    const QSize size = devicePixels(clientSize(), ratio);
    if (size == surface_.size() && ratio == surface_.devicePixelRatio()) return;
    QImage made(size, QImage::Format_RGB32);
    made.setDevicePixelRatio(ratio);
    made.fill(vbColor(backColor_));
    if (!surface_.isNull()) {
        QPainter painter(&made);
        // Drawn at a ratio of its own, the old picture is smoothed to this one.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != surface_.devicePixelRatio());
        painter.drawImage(QPointF(0, 0), surface_);
    }
    surface_ = std::move(made);
}

void HandWindow::setBackColor(std::uint32_t bgr) {
    backColor_ = bgr;
    QPalette p = palette();
    p.setColor(QPalette::Window, vbColor(bgr));
    setPalette(p);
    cls();
}

void HandWindow::cls() {
    surface_.fill(vbColor(backColor_));
    update();
}

float HandWindow::scaleHeightTwips(float twipsPerPixelY) const {
    return static_cast<float>(std::max(0, height() - 2 * kBorderPixels)) * twipsPerPixelY;
}

void HandWindow::repaintNow(const QRect& clientRect) {
    repaint(clientRect.translated(kBorderPixels, kBorderPixels));
}

void HandWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitSurface();
}

void HandWindow::paintEvent(QPaintEvent*) {
    // The window may have moved to a screen of another ratio.
    fitSurface();
    QPainter painter(this);
    painter.drawImage(QPointF(kBorderPixels, kBorderPixels), surface_);
    // A sunken 3-D border around the client area, two pixels wide, in
    // rectangles rather than lines: a line is one device pixel thin, and
    // the window promises to paint every device pixel it covers.
    const int w = width(), h = height();
    const QColor shadow(128, 128, 128), darkShadow(64, 64, 64), light(212, 208, 200);
    painter.fillRect(QRect(0, 0, w, 1), shadow);
    painter.fillRect(QRect(0, 0, 1, h), shadow);
    painter.fillRect(QRect(1, 1, w - 2, 1), darkShadow);
    painter.fillRect(QRect(1, 1, 1, h - 2), darkShadow);
    painter.fillRect(QRect(0, h - 1, w, 1), Qt::white);
    painter.fillRect(QRect(w - 1, 0, 1, h), Qt::white);
    painter.fillRect(QRect(1, h - 2, w - 2, 1), light);
    painter.fillRect(QRect(w - 2, 1, 1, h - 2), light);
}

// Taking the press keeps the release, and so the click, on this control.
void HandWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void HandWindow::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace tutor
