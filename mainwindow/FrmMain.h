#pragma once

#include <QWidget>

#include "platform/Services.h"

namespace tutor {

// The main window. Placeholder until the window lands.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(Services& services, QWidget* parent = nullptr);

private:
    Services& services_;
};

}  // namespace tutor
