#include "promotion/FrmPromoTwin.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>

#include "common/mDefs.h"

namespace tutor {

namespace {

const QString kBrand = QStringLiteral("Corvale");

PromoDesign design() {
    PromoDesign d;
    d.objectName = QStringLiteral("frmPromoTwin");
    d.caption = QStringLiteral("Play Poker Online Today... Real People Real Money Real Fun");
    d.title = kBrand;
    d.titlePlace = {2835, 30, 885, 195};
    d.reducedImageLabelAt = {2685, 4590};
    d.textBoxPlace = {3135, 4905, 3510, 1380};
    d.textPlace = {75, 75, 3255, 1755};
    d.text = QStringLiteral(
        "Corvale Poker: real people at every table, day and night. Practise first with a free "
        "$1000 play-money account. Download the free Corvale software and take your seat today!");
    d.buttonCaption = QStringLiteral("Free Download..");
    d.buttonPlace = {3795, 6405, 2070, 750};
    d.notice = QStringLiteral(
        "Corvale and the Corvale logo are trade marks of Ferncastle Interactive Ltd.");
    return d;
}

struct Fact {
    const char* heading;
    QString value;
};

}  // namespace

FrmPromoTwin::FrmPromoTwin(Services& services, std::function<void()> unloadMainWindow)
    : PromoWindow(services, std::move(unloadMainWindow), design()) {
    addFactsTable();
    QFont bold = font();
    bold.setBold(true);
    addLabel(this, QStringLiteral("Label43"),
             QStringLiteral("Winner of Best Online Poker Room Award "), {75, 6960, 3195, 390}, bold,
             true);
}

void FrmPromoTwin::addFactsTable() {
    QWidget* table =
        addBox(this, QStringLiteral("Picture5"), {405, 4800, 2505, 1875}, QColor(0xC0, 0xC0, 0xC0));
    const Fact facts[] = {
        {" Name", kBrand},
        {" Established", QStringLiteral("2001")},
        {" Members", QStringLiteral("3,000,000 +")},
        {" Free play money account", QStringLiteral("$1000")},
        {" Minimum stakes", QStringLiteral("5c")},
    };
    // Condensed headings, so the longest row keeps its value inside the box.
    QFont plain(QStringLiteral("Small Fonts"));
    plain.setPointSizeF(7.5);
    QFont bold = font();
    bold.setBold(true);
    const float tx = services_.screen.twipsPerPixelX();
    constexpr float kRowHeight = 300;
    float top = 15;
    int row = 0;
    for (const Fact& fact : facts) {
        // Each heading is as wide as its text; the value follows it.
        const QString heading = QString::fromLatin1(fact.heading);
        const float headingWidth =
            static_cast<float>(QFontMetrics(plain).horizontalAdvance(heading) + 4) * tx;
        QLabel* head = addLabel(table, QStringLiteral("lblFactHead_%1").arg(row), heading,
                                {0, top, headingWidth, kRowHeight - 45}, plain);
        QPalette pal = head->palette();
        pal.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
        pal.setColor(QPalette::WindowText, Qt::white);
        head->setPalette(pal);
        head->setAutoFillBackground(true);
        head->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        QLabel* value =
            addLabel(table, QStringLiteral("lblFact_%1").arg(row), fact.value,
                     {headingWidth + 45, top, 2400 - headingWidth, kRowHeight - 45}, bold);
        value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        top += kRowHeight;
        ++row;
    }
    addPicture(table, QStringLiteral("Picture1_6"),
               [](qreal ratio) { return makePromoLogo(kBrand, ratio); }, {0, 1530, 930, 255});
}

QString FrmPromoTwin::webPageAddress() const {
    return gAltPromo ? referralUrl : playOnlineUrl;
}

}  // namespace tutor
