#pragma once

#include <QProxyStyle>

namespace tutor {

// Draws a tree's branches the classic way: dotted lines joining every node,
// the root nodes too, and a boxed plus or minus on nodes with children.
class TreeLinesStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tutor
