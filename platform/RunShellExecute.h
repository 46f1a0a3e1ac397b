#pragma once

#include <cstdint>
#include <optional>

#include <QString>

#include "platform/Services.h"

namespace tutor {

// Opens target with the verb "open" in the user's default browser. The
// parameters and directory (nullopt for none) and the show mode have no
// counterpart here. Whether it opened is not reported: a page that fails to
// open goes unnoticed by the caller.
void RunShellExecute(UrlOpener& opener, const QString& verb, const QString& target,
                     const std::optional<QString>& parameters,
                     const std::optional<QString>& directory, std::int32_t showMode);

}  // namespace tutor
