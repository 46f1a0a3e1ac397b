#pragma once

#include <QProxyStyle>

namespace tutor {

// Draws a tree's branches the classic way: dotted lines joining every node,
// the root nodes too, and a boxed plus or minus on nodes with children. Node
// texts sit close to their branch lines, as in a classic tree, so the longest
// node text fits the tree's width.
class TreeLinesStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace tutor
