#pragma once

#include <stdexcept>

#include "lessons/CardIdentity.h"

namespace tutor {

struct LessonControls;
struct MainLayout;
class ScreenMetrics;

// A main-window control the layout needs was not handed in.
class LayoutControlMissing : public std::runtime_error {
public:
    LayoutControlMissing() : std::runtime_error("Object variable not set") {}
};

// The keyboard half of the lesson layout: name-label borders off, the key
// grid with its captions, and the key-of-card table. Throws ControlRefused
// when a control refuses a value.
void layOutKeyboard(LessonControls& controls, KeyOfCardTable& keyOfCard);

// Fits picQuiz and picDemo to the page pane and places everything on
// picQuiz, in single-precision twips. Throws ControlRefused or
// LayoutControlMissing at the first step that cannot be done; the steps
// before it stay done.
void layOutLessonArea(LessonControls& controls, const MainLayout& main,
                      const ScreenMetrics& screen);

}  // namespace tutor
