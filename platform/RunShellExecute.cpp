#include "platform/RunShellExecute.h"

namespace tutor {

void RunShellExecute(UrlOpener& opener, const QString& verb, const QString& target,
                     const std::optional<QString>&, const std::optional<QString>&, std::int32_t) {
    if (verb != QLatin1String("open")) return;  // the only verb the program uses
    (void)opener.openUrl(target);
}

}  // namespace tutor
