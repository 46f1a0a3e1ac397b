#include "promotion/FrmPromo.h"

namespace tutor {

namespace {

PromoDesign design() {
    PromoDesign d;
    d.objectName = QStringLiteral("frmPromo");
    d.caption = QStringLiteral("Play Poker Online for FREE ... Real People Real Fun");
    d.title = QStringLiteral("Silver Quill table");
    d.titlePlace = {2130, 45, 2100, 195};
    d.reducedImageLabelAt = {2580, 4590};
    d.textBoxPlace = {330, 4905, 5895, 1380};
    d.textPlace = {120, 240, 5655, 780};
    d.text = QStringLiteral(
        "Play poker online with real people, for FREE! Get an unlimited $1000 play-money "
        "account and practise without any risk. Visit our site for a top ten list of online "
        "poker rooms, with reviews, screenshots and more free poker goodies.");
    d.buttonCaption = QStringLiteral("Quill Lobby");
    d.buttonPlace = {2325, 6465, 2070, 750};
    d.notice = QStringLiteral(
        "Silver Quill Poker and the Silver Quill table are trade marks of Quillmere Gaming Ltd., "
        "shown here with its permission.");
    return d;
}

}  // namespace

FrmPromo::FrmPromo(Services& services, std::function<void()> unloadMainWindow)
    : PromoWindow(services, std::move(unloadMainWindow), design()) {}

}  // namespace tutor
