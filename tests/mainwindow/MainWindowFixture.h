#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "fakes/FakeServices.h"
#include "mainwindow/FrmMain.h"

namespace tutor::testing {

// The main window on the fake platform, shown and activated. The fake
// screen is 1024 pixels wide, so the lesson layout's 800-pixel rule is off.
struct MainWindowTest : ::testing::Test {
    MainWindowTest() {
        window.show();
        window.activateWindow();
        QApplication::processEvents();
    }

    QTreeWidgetItem* item(const QString& text) const {
        for (QTreeWidgetItemIterator it(window.treeView1()); *it; ++it)
            if ((*it)->text(0) == text) return *it;
        return nullptr;
    }

    // Which of the three content panes is visible, as "web", "quiz" or
    // "demo"; joined with "+" if more than one is.
    QString visiblePanes() const {
        QStringList panes;
        if (window.webBrowser1()->isVisibleTo(&window)) panes << "web";
        if (window.findChild<QWidget*>("picQuiz")->isVisibleTo(&window)) panes << "quiz";
        if (window.findChild<QWidget*>("picDemo")->isVisibleTo(&window)) panes << "demo";
        return panes.join('+');
    }

    QString page(const char* literal) const { return fakes.services.programFolder + literal; }

    FakeServices fakes;
    FrmMain window{fakes.services};
};

}  // namespace tutor::testing
