#pragma once

#include <functional>

#include "platform/Services.h"

namespace tutor {

// Shows frmPromo, or frmPromoTwin when altPromo, modeless and without an
// owner, and runs its endless animation inside this call. A show while the
// window is already shown returns at once. When the window is closed or its
// web-page button pressed, it calls unloadMainWindow, then ends the program
// through services.ender, and returns.
void showPromotionWindow(bool altPromo, Services& services,
                         const std::function<void()>& unloadMainWindow);

}  // namespace tutor
