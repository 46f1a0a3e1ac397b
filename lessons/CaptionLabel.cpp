#include "lessons/CaptionLabel.h"

#include <QMouseEvent>

#include "lessons/VbColor.h"

namespace tutor {

CaptionLabel::CaptionLabel(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    setMouseTracking(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFrameShape(QFrame::NoFrame);
    // A framed QLabel otherwise indents its text by half an 'x' from every
    // aligned edge, top included: the hover frame would push the caption
    // down into the frame. The frame takes its own pixel only.
    setIndent(0);
    applyPalette();
}

void CaptionLabel::setForeColor(std::uint32_t bgr) {
    foreColor_ = bgr;
    applyPalette();
}

void CaptionLabel::setBackColor(std::uint32_t bgr) {
    backColor_ = bgr;
    applyPalette();
}

void CaptionLabel::setBorderStyle(int style) {
    borderStyle_ = style;
    setFrameShape(style == 1 ? QFrame::Box : QFrame::NoFrame);
    setLineWidth(1);
}

void CaptionLabel::applyPalette() {
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::WindowText, vbColor(foreColor_));
        p.setColor(group, QPalette::Window, vbColor(backColor_));
    }
    setPalette(p);
}

// Taking the press keeps the release, and so the click, on this control.
void CaptionLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void CaptionLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    emit mouseMoved();
}

}  // namespace tutor
