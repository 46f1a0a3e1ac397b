#include "samplegame/SampleGamePanel.h"

namespace tutor {

SampleGamePanel::SampleGamePanel(Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName("picDemo");
}

}  // namespace tutor
