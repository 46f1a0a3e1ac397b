#pragma once

#include <QPixmap>

namespace tutor {

// The main window's 32 x 32 icon, two aces fanned on green baize, drawn by
// the card renderer. The build saves it as the desktop entry's icon too.
QPixmap drawWindowIcon();

}  // namespace tutor
