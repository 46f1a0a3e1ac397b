#pragma once

#include <functional>

#include "promotion/PromoWindow.h"

namespace tutor {

// The promotion window shown when the main window is closed: Silver Quill
// Poker's table, and a button to the play-online page.
class FrmPromo : public PromoWindow {
    Q_OBJECT
  public:
    FrmPromo(Services& services, std::function<void()> unloadMainWindow);
};

}  // namespace tutor
