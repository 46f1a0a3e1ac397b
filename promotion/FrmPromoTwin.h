#pragma once

#include <functional>

#include "promotion/PromoWindow.h"

namespace tutor {

// The twin of frmPromo: another poker room, its facts table and logo, and
// the referral page while gAltPromo is set.
class FrmPromoTwin : public PromoWindow {
    Q_OBJECT
  public:
    FrmPromoTwin(Services& services, std::function<void()> unloadMainWindow);

  protected:
    QString webPageAddress() const override;

  private:
    void addFactsTable();
};

}  // namespace tutor
