#pragma once

#include <cmath>
#include <memory>
#include <vector>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "engine/KeyedCollection.h"
#include "engine/PreflopList.h"
#include "fakes/FakeServices.h"
#include "lessons/CaptionLabel.h"
#include "lessons/HandWindow.h"
#include "lessons/LessonPanel.h"
#include "common/MainLayout.h"
#include "platform/TwipsControl.h"

namespace tutor::testing {

// The lesson panel as the main window holds it: on a form beside a tree, a
// page pane and a sample-game panel, each with its design geometry in twips.
class LessonFixture : public ::testing::Test {
  protected:
    LessonFixture() { build(); }
    // The panel drawing its cards with another card library, such as the real one.
    explicit LessonFixture(CardLibrary& cards)
        : services{fakes.sound, fakes.urls,   fakes.messages, fakes.ender,
                   fakes.clock, fakes.random, fakes.screen,   fakes.events,
                   cards,       fakes.services.programFolder} {
        build();
    }

    void build(int screenPixels = 1024) {
        fakes.screen.widthPixels = screenPixels;
        form = std::make_unique<QWidget>();
        form->resize(1000, 700);
        tree = std::make_unique<TwipsControl>(new QWidget(form.get()), 135, 165, 3015, 9045,
                                              fakes.screen);
        page = std::make_unique<TwipsControl>(new QWidget(form.get()), 3435, 255, 10455, 8790,
                                              fakes.screen);
        demo = std::make_unique<TwipsControl>(new QWidget(form.get()), 3420, 180, 9720, 8760,
                                              fakes.screen);
        panel = new LessonPanel(services, preflopList, form.get());
        quiz = std::make_unique<TwipsControl>(panel, 3300, 135, 9840, 8550, fakes.screen);
        panel->setMainLayout({tree.get(), page.get(), quiz.get(), demo.get()});
        panel->setCardSize(71, 96);
        panel->initKeys();
        form->show();
    }

    void loadPreflopList() {
        poker::load169(preflopList, TUTOR_DATA_DIR, [](const std::string& m) { FAIL() << m; });
    }

    template <class W = QWidget>
    W* find(const QString& name) const {
        W* w = panel->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QPushButton* key(int k) const { return find<QPushButton>(QStringLiteral("cmdKey_%1").arg(k)); }
    CaptionLabel* nameLabel(int i) const {
        return find<CaptionLabel>(QStringLiteral("lblName_%1").arg(i));
    }
    CaptionLabel* message() const { return find<CaptionLabel>("lblMessage"); }
    HandWindow* picShow() const { return find<HandWindow>("picShow"); }
    HandWindow* picLabels() const { return find<HandWindow>("picLabels"); }
    const LessonState& st() const { return panel->state(); }

    // A real click: press and release inside the control; a disabled control ignores it.
    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3)); }
    void clickName(const char* button) { click(find<QPushButton>(button)); }

    int enabledKeys() const {
        int n = 0;
        for (int k = 0; k < 52; ++k) n += key(k)->isEnabled() ? 1 : 0;
        return n;
    }

    FakeServices fakes;
    Services services{fakes.services};
    poker::KeyedCollection preflopList;
    std::unique_ptr<QWidget> form;
    std::unique_ptr<TwipsControl> tree, page, demo, quiz;
    LessonPanel* panel = nullptr;
};

}  // namespace tutor::testing
