#pragma once

namespace tutor {

class TwipsControl;

// The main window's controls that the lesson layout reads or moves.
struct MainLayout {
    TwipsControl* treeView1 = nullptr;
    TwipsControl* webBrowser1 = nullptr;
    TwipsControl* picQuiz = nullptr;
    TwipsControl* picDemo = nullptr;
};

}  // namespace tutor
