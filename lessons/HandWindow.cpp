#include "lessons/HandWindow.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

#include "lessons/VbColor.h"

namespace tutor {

HandWindow::HandWindow(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_ = QImage(clientSize(), QImage::Format_RGB32);
    surface_.fill(vbColor(backColor_));
}

QSize HandWindow::clientSize() const {
    return QSize(std::max(1, width() - 2 * kBorderPixels), std::max(1, height() - 2 * kBorderPixels));
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
    const QSize size = clientSize();
    if (size == surface_.size()) return;
    QImage grown(size, QImage::Format_RGB32);
    grown.fill(vbColor(backColor_));
    QPainter painter(&grown);
    painter.drawImage(0, 0, surface_);
    painter.end();
    surface_ = std::move(grown);
}

void HandWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A sunken 3-D border around the client area.
    const QRect outer = rect();
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(outer.topLeft() + QPoint(1, 1), outer.topRight() + QPoint(-1, 1));
    painter.drawLine(outer.topLeft() + QPoint(1, 1), outer.bottomLeft() + QPoint(1, -1));
    painter.setPen(Qt::white);
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
    painter.setPen(QColor(212, 208, 200));
    painter.drawLine(outer.bottomLeft() + QPoint(1, -1), outer.bottomRight() + QPoint(-1, -1));
    painter.drawLine(outer.topRight() + QPoint(-1, 1), outer.bottomRight() + QPoint(-1, -1));
    painter.drawImage(kBorderPixels, kBorderPixels, surface_);
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
