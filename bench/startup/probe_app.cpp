// The tutor as app/main.cpp starts it, reporting its first paint of the
// page pane (the intro page, or the notice that names a missing one).
#include <QApplication>
#include <QTextBrowser>

#include "FirstPaint.h"
#include "mainwindow/FrmMain.h"
#include "platform/Fonts.h"
#include "platform/RealServices.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillet");
    tutor::installFontSubstitutions();
    tutor::RealServices real;
    tutor::FrmMain window(real.services());
    FirstPaint probe(window.webBrowser1()->viewport(), lingerFromArgs(argc, argv));
    window.show();
    return QApplication::exec();
}
