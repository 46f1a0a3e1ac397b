#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTextBrowser>

#include "fakes/FakeServices.h"
#include "mainwindow/FrmMain.h"
#include "platform/RealServices.h"

// The window can be built headless with the fake platform.
TEST(Smoke, MainWindowCaption) {
    tutor::testing::FakeServices fakes;
    tutor::FrmMain window(fakes.services);
    EXPECT_EQ(window.windowTitle(), "Quillet..");
}

// The program as main.cpp wires it, on the real platform layer: it starts,
// shows the intro page from its own folder, and is left alone (a close
// request would end the test process through the real ender).
TEST(Smoke, StartsOnTheRealPlatform) {
    // Without the list, the real message box would wait for a click.
    ASSERT_TRUE(QFile::exists(QCoreApplication::applicationDirPath() + "/169.txt"));
    tutor::RealServices real;
    tutor::FrmMain window(real.services());
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.currentPage(), QCoreApplication::applicationDirPath() + "/html/intro.html");
    EXPECT_TRUE(window.webBrowser1()->isVisible());
    EXPECT_EQ(window.cWidth(), 71);
    EXPECT_EQ(window.cHeight(), 96);
    EXPECT_EQ(window.preflopList().count(), 169u);
}
