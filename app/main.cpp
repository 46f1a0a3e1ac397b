#include <QApplication>

#include "mainwindow/FrmMain.h"
#include "platform/Fonts.h"
#include "platform/RealServices.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillet");
    tutor::installFontSubstitutions();
    tutor::RealServices real;
    tutor::FrmMain window(real.services());
    window.show();
    return QApplication::exec();
}
