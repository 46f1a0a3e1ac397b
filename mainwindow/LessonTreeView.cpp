#include "mainwindow/LessonTreeView.h"

namespace tutor {

// Comparing the current node around the tree's own key handling covers
// every key that moves it, the type-ahead letters included, and nothing the
// mouse or the code does.
void LessonTreeView::keyPressEvent(QKeyEvent* e) {
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(e);
    QTreeWidgetItem* after = currentItem();
    if (after && after != before) emit nodeReachedByKey(after);
}

}  // namespace tutor
