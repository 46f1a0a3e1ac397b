#include "mainwindow/TreeLinesStyle.h"

#include <QPainter>
#include <QStyleOption>

namespace tutor {

void TreeLinesStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element != PE_IndicatorBranch) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect r = option->rect;
    const int mx = r.left() + r.width() / 2;
    const int my = r.top() + r.height() / 2;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DotLine));
    if (option->state & State_Item) {
        painter->drawLine(mx, my, r.right(), my);
        painter->drawLine(mx, r.top(), mx, (option->state & State_Sibling) ? r.bottom() : my);
    } else if (option->state & State_Sibling) {
        painter->drawLine(mx, r.top(), mx, r.bottom());
    }
    if (option->state & State_Children) {
        const QRect box(mx - 4, my - 4, 8, 8);
        painter->setPen(QColor(0x80, 0x80, 0x80));
        painter->setBrush(Qt::white);
        painter->drawRect(box);
        painter->setPen(Qt::black);
        painter->drawLine(mx - 2, my, mx + 2, my);
        if (!(option->state & State_Open)) painter->drawLine(mx, my - 2, mx, my + 2);
    }
    painter->restore();
}

int TreeLinesStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    // The view pads a node text by this margin plus one pixel on each side.
    if (metric == PM_FocusFrameHMargin) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace tutor
