#pragma once

#include <cstdint>

#include <QWidget>

#include "engine/KeyedCollection.h"
#include "mainwindow/MainLayout.h"
#include "platform/Services.h"

namespace tutor {

// The interactive lesson panel (picQuiz). Placeholder until the lessons land.
class LessonPanel : public QWidget {
    Q_OBJECT
public:
    LessonPanel(Services& services, const poker::KeyedCollection& preflopList,
                QWidget* parent = nullptr);

    void setMainLayout(const MainLayout& layout) { layout_ = layout; }
    void setCardSize(std::int32_t width, std::int32_t height) {
        cWidth_ = width;
        cHeight_ = height;
    }

    void initKeys() {}
    void initLessonHandNames() {}
    void initLessonRankings() {}
    void initLessonPairValue() {}
    void initLessonBestHand() {}
    void Timer1_Timer() {}

private:
    Services& services_;
    const poker::KeyedCollection& preflopList_;
    MainLayout layout_;
    std::int32_t cWidth_ = 0;
    std::int32_t cHeight_ = 0;
};

}  // namespace tutor
