#include "mainwindow/FrmMain.h"

namespace tutor {

FrmMain::FrmMain(Services& services, QWidget* parent) : QWidget(parent), services_(services) {
    setObjectName("frmMain");
    setWindowTitle("Quillet..");
}

}  // namespace tutor
