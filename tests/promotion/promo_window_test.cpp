#include <QPushButton>

#include "PromoFixture.h"
#include "platform/CardRenderer.h"
#include "support/SameImage.h"

namespace tutor::testing {
namespace {

QLabel* label(const QWidget& w, const char* name) {
    return w.findChild<QLabel*>(name);
}

QSize pictureSize(const QWidget& w, const char* name) {
    QLabel* l = label(w, name);
    return l ? l->pixmap().size() : QSize();
}

// Where a control lies relative to the window's client area, in pixels.
QRect placeOf(const QWidget& w, const char* name) {
    auto* c = w.findChild<QWidget*>(name);
    return c ? QRect(c->mapTo(&w, QPoint(0, 0)), c->size()) : QRect();
}

using FrmPromoLook = PromoWindowTest<FrmPromo>;
using FrmPromoTwinLook = PromoWindowTest<FrmPromoTwin>;

TEST_F(FrmPromoLook, DesignOfTheWindow) {
    EXPECT_EQ(window.objectName(), "frmPromo");
    EXPECT_EQ(window.windowTitle(), "Play Poker Online for FREE ... Real People Real Fun");
    EXPECT_EQ(window.size(), QSize(441, 526));  // 6615 x 7890 twips
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0xc0, 0xc0, 0xc0));
    EXPECT_EQ(label(window, "Label28")->text(), "Reduced size image");
    EXPECT_EQ(placeOf(window, "cmdPokerRoom"), QRect(155, 431, 138, 50));
    EXPECT_EQ(placeOf(window, "Picture6"), QRect(21, 16, 401, 290));
    EXPECT_EQ(placeOf(window, "Picture3"), QRect(150, 168, 40, 42));
    EXPECT_EQ(placeOf(window, "Picture2_7"), QRect(260, 187, 22, 23));
    EXPECT_EQ(window.findChild<QPushButton*>("cmdPokerRoom")->text().split(' ').size(), 2);
    EXPECT_EQ(window.findChild<QWidget*>("Picture5"), nullptr);
    EXPECT_EQ(window.findChild<QWidget*>("Label43"), nullptr);
}

TEST_F(FrmPromoLook, PicturesAtTheirPixelSizes) {
    EXPECT_EQ(pictureSize(window, "Picture6"), QSize());  // the box itself holds no picture
    EXPECT_EQ(window.findChild<QWidget*>("Picture6")->findChildren<QLabel*>().size(), 2);
    for (int i = 0; i < PromoWindow::kDealtPairs; ++i)
        EXPECT_EQ(label(window, qPrintable(QStringLiteral("Picture2_%1").arg(i)))->pixmap().size(),
                  QSize(20, 21));
    EXPECT_EQ(pictureSize(window, "Picture3"), QSize(40, 42));
    bool tableFound = false;
    for (QLabel* l : window.findChild<QWidget*>("Picture6")->findChildren<QLabel*>())
        tableFound |= l->pixmap().size() == QSize(397, 285);
    EXPECT_TRUE(tableFound);
}

// The board is six and seven of hearts, eight and ace of clubs, five of
// hearts, each the card renderer's own face at 27 x 36.
TEST_F(FrmPromoLook, BoardCardsComeFromTheCardRenderer) {
    const int ids[] = {22, 26, 28, 0, 18};
    for (int i = 0; i < PromoWindow::kBoardCards; ++i) {
        SCOPED_TRACE(i);
        const QPixmap shown =
            label(window, qPrintable(QStringLiteral("Picture1_%1").arg(i)))->pixmap();
        EXPECT_EQ(shown.size(), QSize(27, 36));
        EXPECT_TRUE(
            test::sameImage(shown.toImage(), CardRenderer::face(ids[i], QSize(27, 36)).toImage()));
    }
    EXPECT_EQ(
        window.findChild<QWidget*>("Picture1_4")->parentWidget()->parentWidget()->objectName(),
        "Picture6");
}

TEST_F(FrmPromoTwinLook, DesignOfTheTwin) {
    EXPECT_EQ(window.objectName(), "frmPromoTwin");
    EXPECT_EQ(window.windowTitle(), "Play Poker Online Today... Real People Real Money Real Fun");
    EXPECT_EQ(window.size(), QSize(441, 526));
    EXPECT_EQ(window.findChild<QPushButton*>("cmdPokerRoom")->text(), "Free Download..");
    EXPECT_EQ(placeOf(window, "cmdPokerRoom"), QRect(253, 427, 138, 50));
    EXPECT_EQ(placeOf(window, "Picture4"), QRect(209, 327, 234, 92));
    EXPECT_EQ(placeOf(window, "Picture5"), QRect(27, 320, 167, 125));
    EXPECT_EQ(label(window, "Label43")->text(), "Winner of Best Online Poker Room Award ");
    EXPECT_EQ(pictureSize(window, "Picture1_6"), QSize(62, 17));
    // The same animated pictures in the same places as frmPromo.
    EXPECT_EQ(placeOf(window, "Picture3"), QRect(150, 168, 40, 42));
    EXPECT_EQ(pictureSize(window, "Picture2_0"), QSize(20, 21));
}

TEST_F(FrmPromoTwinLook, FactsTableRows) {
    QWidget* facts = window.findChild<QWidget*>("Picture5");
    ASSERT_NE(facts, nullptr);
    QStringList headings, values;
    for (int row = 0; row < 5; ++row) {
        auto* head = facts->findChild<QLabel*>(QStringLiteral("lblFactHead_%1").arg(row));
        auto* value = facts->findChild<QLabel*>(QStringLiteral("lblFact_%1").arg(row));
        ASSERT_TRUE(head && value);
        headings << head->text();
        values << value->text();
        EXPECT_EQ(head->palette().color(QPalette::Window), QColor(0x80, 0x80, 0x80));
        EXPECT_EQ(head->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_TRUE(value->font().bold());
        // Each value stands to the right of its heading, inside the table.
        EXPECT_GE(value->x(), head->x() + head->width());
        EXPECT_LE(value->x() + value->fontMetrics().horizontalAdvance(value->text()),
                  value->parentWidget()->width());
    }
    EXPECT_EQ(headings, (QStringList{" Name", " Established", " Members",
                                     " Free play money account", " Minimum stakes"}));
    EXPECT_EQ(values.mid(1), (QStringList{"2001", "3,000,000 +", "$1000", "5c"}));
    EXPECT_EQ(values[0], label(window, "Label2")->text());
}

// The twin animates step for step like frmPromo.
TEST_F(FrmPromoTwinLook, AnimatesLikeFrmPromo) {
    Scene fanned, reset;
    at(4000, [&] { fanned = sceneOf(window); });
    at(5800, [&] { reset = sceneOf(window); });
    at(6000, [&] { window.close(); });
    load();
    EXPECT_EQ(fanned.pairsDealt(), 9);
    EXPECT_TRUE(fanned.jacks);
    EXPECT_EQ(fanned.lefts, kFannedLefts);
    EXPECT_EQ(reset.pairsDealt(), 0);
    EXPECT_EQ(reset.cardsShown(), 0);
    EXPECT_EQ(reset.lefts, kDesignLefts);
    EXPECT_EQ(fakes.ender.endCount, 1);
}

}  // namespace
}  // namespace tutor::testing
