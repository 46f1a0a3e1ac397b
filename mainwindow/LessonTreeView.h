#pragma once

#include <QTreeWidget>

namespace tutor {

// The lesson tree. A node the user reaches with the keys (arrows, Home, End,
// Page Up and Down, the letters of its text) counts as chosen, as a click on
// it does; the current node moved from code is not announced.
class LessonTreeView : public QTreeWidget {
    Q_OBJECT
  public:
    using QTreeWidget::QTreeWidget;

  signals:
    void nodeReachedByKey(QTreeWidgetItem* node);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
};

}  // namespace tutor
