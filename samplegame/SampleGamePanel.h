#pragma once

#include <cstdint>

#include <QWidget>

#include "platform/Services.h"

namespace tutor {

// The sample game panel (picDemo). Placeholder until the sample game lands.
class SampleGamePanel : public QWidget {
    Q_OBJECT
public:
    explicit SampleGamePanel(Services& services, QWidget* parent = nullptr);

    std::int16_t demoStep() const { return demoStep_; }
    void setDemoStep(std::int16_t step) { demoStep_ = step; }
    void resetDemo() {}

signals:
    // A click on the real-game link lblEnough; the main window handles it.
    void lblEnoughClicked();

private:
    Services& services_;
    std::int16_t demoStep_ = 0;
};

}  // namespace tutor
