#pragma once

#include <functional>

#include "platform/Services.h"

namespace tutor {

// Shows frmPromo, or frmPromoTwin when altPromo, modeless and without an
// owner. Each window has a single instance, made by its first show; that
// show runs the endless animation inside this call. A show of a window that
// exists already only leaves it shown and returns at once. When the window
// is closed or its web-page button pressed, it calls unloadMainWindow, then
// ends the program through services.ender.
void showPromotionWindow(bool altPromo, Services& services,
                         const std::function<void()>& unloadMainWindow);

}  // namespace tutor
