#pragma once

#include <vector>

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include "fakes/FakeServices.h"
#include "platform/RealSeams.h"
#include "samplegame/SampleGamePanel.h"

namespace tutor::testing {

// A part of the table to look at, in pixels of the panel.
struct Region {
    const char* what;
    QRect rect;
};

// The panel shown on the fake platform, but with the real card library, for
// looking at its pixels on screens of device-pixel ratio above 1.
class ScaledPanelTest : public ::testing::Test {
  protected:
    ScaledPanelTest();

    // A new game played up to step.
    void playTo(int step);
    QRect placeOf(const char* name) const;

    // The table as the panel shows it now, drawn straight into an image of
    // device pixels from pictures made at the panel's ratio: no labels, no
    // scaling between the pictures and the image.
    QImage reference();

    // Each region of the panel's picture is as crisp as in the reference;
    // the figures are printed.
    void expectCrisp(const std::vector<Region>& regions);

    FakeServices fakes;
    RenderedCards cards;
    Services services;
    SampleGamePanel panel;
};

}  // namespace tutor::testing
