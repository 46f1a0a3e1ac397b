#pragma once

#include <cstdint>

#include <QLabel>

namespace tutor {

// An opaque label with an explicit text colour, background and border
// (0 none, 1 fixed single), and click and mouse-move notifications.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    std::uint32_t foreColor() const { return foreColor_; }
    std::uint32_t backColor() const { return backColor_; }
    int borderStyle() const { return borderStyle_; }

    void setForeColor(std::uint32_t bgr);
    void setBackColor(std::uint32_t bgr);
    void setBorderStyle(int style);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void applyPalette();

    std::uint32_t foreColor_ = 0;
    std::uint32_t backColor_ = 0x00E0E0E0;
    int borderStyle_ = 0;
};

}  // namespace tutor
