#pragma once

#include <array>

#include <QString>

namespace tutor {

// What a click on a lesson tree node does.
enum class NodeAction {
    PageFirst,             // navigate, then show the page pane and hide both panels
    PageFirstThenFocus,    // as PageFirst, then the tree takes the focus
    PanelsFirst,           // show the page pane and hide both panels, then navigate
    PanelsFirstThenFocus,  // as PanelsFirst, then the tree takes the focus
    FirstLessonChapter,    // lesson panel, set-up, tree focus
    SecondLessonChapter,   // lesson panel, set-up, focus left alone
    SampleGameStart,       // sample game panel, restarted from its beginning
};

enum class LessonSetUp { None, HandNames, Rankings, PairValue, BestHand };

struct LessonNode {
    int index;          // 1..34, the add order
    const char* text;   // shown, and what a click is dispatched on
    const char* key;    // nullptr for none
    int parent;         // index of the chapter node, 0 for a chapter
    NodeAction action;
    const char* page;   // below the program folder; nullptr for the panels
    LessonSetUp setUp;
};

// The 34 nodes in add order.
const std::array<LessonNode, 34>& lessonNodes();

// The first node whose text equals text exactly, or nullptr.
const LessonNode* lessonNodeByText(const QString& text);

}  // namespace tutor
