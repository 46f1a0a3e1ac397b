#pragma once

#include <stdexcept>

class QWidget;

namespace tutor {

class ScreenMetrics;

// Raised when a control refuses a size or position (a negative width, a value
// that is not a finite number or lies beyond what a control can hold).
class ControlRefused : public std::runtime_error {
public:
    ControlRefused() : std::runtime_error("Invalid property value") {}
};

// A control's left, top, width and height in single-precision twips, exactly
// as the layout computes them. The widget itself is placed at the nearest
// whole pixel of the screen's twips per pixel; layout code reads back the
// twips, never the pixels.
class TwipsControl {
public:
    TwipsControl(QWidget* widget, float left, float top, float width, float height,
                 const ScreenMetrics& screen);

    QWidget* widget() const { return widget_; }

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }

    // Each setter throws ControlRefused and keeps the old value on a bad one.
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);

    // Places the widget again, for instance after the screen's scale changed.
    void place();

private:
    static float checked(double twips, bool isSize);

    QWidget* widget_;
    float left_;
    float top_;
    float width_;
    float height_;
    const ScreenMetrics& screen_;
};

}  // namespace tutor
