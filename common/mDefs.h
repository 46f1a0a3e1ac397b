#pragma once

#include <QString>

namespace tutor {

// Selects the twin promotion window and the referral page; start-up clears
// it and nothing sets it.
inline bool gAltPromo = false;

// Web pages the program opens; a reserved example domain, no real site.
inline const QString playOnlineUrl = QStringLiteral("https://play.example.com/");
inline const QString referralUrl = QStringLiteral("https://play.example.com/referral");

}  // namespace tutor
