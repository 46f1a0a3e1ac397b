#include "promotion/Promotion.h"

namespace tutor {

// Placeholder until the promotion windows land.
void showPromotionWindow(bool, Services& services, const std::function<void()>& unloadMainWindow) {
    unloadMainWindow();
    services.ender.endProgram();
}

}  // namespace tutor
