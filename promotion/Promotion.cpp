#include "promotion/Promotion.h"

#include <QPointer>

#include "promotion/FrmPromo.h"
#include "promotion/FrmPromoTwin.h"

namespace tutor {

namespace {

QPointer<PromoWindow>& instance(bool twin) {
    static QPointer<PromoWindow> promo;
    static QPointer<PromoWindow> promoTwin;
    return twin ? promoTwin : promo;
}

}  // namespace

void showPromotionWindow(bool altPromo, Services& services,
                         const std::function<void()>& unloadMainWindow) {
    QPointer<PromoWindow>& window = instance(altPromo);
    if (window) {
        window->show();
        return;
    }
    if (altPromo)
        window = new FrmPromoTwin(services, unloadMainWindow);
    else
        window = new FrmPromo(services, unloadMainWindow);
    window->Form_Load();
    // Only an ender that records comes back from ending the program; the
    // window has done its work then, and none of it is on the stack any more.
    if (window && window->programEnded()) delete window.data();
}

}  // namespace tutor
