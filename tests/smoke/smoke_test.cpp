#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "mainwindow/FrmMain.h"

// The window can be built headless with the fake platform.
TEST(Smoke, MainWindowCaption) {
    tutor::testing::FakeServices fakes;
    tutor::FrmMain window(fakes.services);
    EXPECT_EQ(window.windowTitle(), "Quillet..");
}
