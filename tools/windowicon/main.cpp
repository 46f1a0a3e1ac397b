// Saves the main window's icon as a PNG, for the desktop entry:
//   windowicon <file.png>
#include <cstdio>

#include <QGuiApplication>
#include <QString>

#include "mainwindow/WindowIcon.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: windowicon <file.png>\n");
        return 2;
    }
    // Drawn at build time, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!tutor::drawWindowIcon().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "windowicon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
