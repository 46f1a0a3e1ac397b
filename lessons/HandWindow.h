#pragma once

#include <cstdint>

#include <QImage>
#include <QWidget>

class QPainter;

namespace tutor {

// A picture box: a bordered window whose client area is a persistent painted
// surface. What is drawn on it stays until cls() or a new background colour
// erases it; resizing keeps what was drawn. The surface holds device pixels
// of the screen the window is on, so what is drawn on it is as sharp as the
// screen allows; it is made again when that screen's ratio changes.
class HandWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorderPixels = 2;

    explicit HandWindow(QWidget* parent = nullptr);

    std::uint32_t backColor() const { return backColor_; }
    // Also erases the surface, as a picture box does.
    void setBackColor(std::uint32_t bgr);
    void cls();

    // The client area's height in twips at the given twips per pixel.
    float scaleHeightTwips(float twipsPerPixelY) const;

    // The surface, at the window's device-pixel ratio: draw on it in client
    // pixels, then repaintNow() the part drawn.
    QImage& surface();
    const QImage& surface() const { return surface_; }
    void repaintNow(const QRect& clientRect);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSize clientSize() const;
    // Makes the surface again at the client size and the ratio of the
    // screen, if either changed, keeping what was drawn.
    void fitSurface();

    std::uint32_t backColor_ = 0x00008000;
    QImage surface_;
};

}  // namespace tutor
