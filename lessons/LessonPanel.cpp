#include "lessons/LessonPanel.h"

namespace tutor {

LessonPanel::LessonPanel(Services& services, const poker::KeyedCollection& preflopList,
                         QWidget* parent)
    : QWidget(parent), services_(services), preflopList_(preflopList) {
    setObjectName("picQuiz");
}

}  // namespace tutor
