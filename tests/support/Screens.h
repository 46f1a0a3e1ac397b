#pragma once

#include <QString>

class QWidget;

namespace tutor::test {

// Moves a top-level window onto the named screen (see the screen files of
// tests/screens) and handles the events that follow, the repaint included.
// False when there is no such screen.
bool moveToScreen(QWidget& window, const QString& screenName);

}  // namespace tutor::test
