#pragma once

#include <QImage>

#include "promotion/PromoWindow.h"

namespace tutor::testing {

// The window as it shows now, its pictures drawn straight into an image of
// device pixels from pictures made at the window's ratio: no labels, no
// scaling between the pictures and the image.
QImage promoReference(const PromoWindow& window);

// The table, the dealt pairs, the jacks, the board (and the twin's logo) are
// as crisp in the window as in the reference; the figures are printed.
void expectPromoCrisp(PromoWindow& window);

}  // namespace tutor::testing
