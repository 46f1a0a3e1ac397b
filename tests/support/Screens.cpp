#include "support/Screens.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace tutor::test {

bool moveToScreen(QWidget& window, const QString& screenName) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() != screenName) continue;
        window.move(screen->geometry().topLeft() + QPoint(40, 40));
        QApplication::processEvents();
        return true;
    }
    return false;
}

}  // namespace tutor::test
