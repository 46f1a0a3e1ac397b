#include "mainwindow/LessonTree.h"

namespace tutor {

namespace {
using A = NodeAction;
using S = LessonSetUp;

constexpr std::array<LessonNode, 34> kNodes = {{
    {1, "Intro", "R1", 0, A::PageFirst, "/html/intro.html", S::None},
    {2, "How this works..", "A2", 1, A::PageFirst, "/html/usage.html", S::None},
    {3, "Poker Basics", "R2", 0, A::PageFirst, "/html/basics.html", S::None},
    {4, "History of Poker", "A4", 3, A::PageFirst, "/html/history.html", S::None},
    {5, "Poker Hands and Ranking", "A5", 3, A::PageFirst, "/html/rank.html", S::None},
    {6, "Poker Variants", "A6", 3, A::PageFirst, "/html/variants.html", S::None},
    {7, "Poker Terms", "A66", 3, A::PageFirst, "/html/terms.html", S::None},
    {8, "Interactive Lesson I", nullptr, 0, A::PageFirstThenFocus, "/html/quiz1.html", S::None},
    {9, "Poker Hand Names", "A7", 8, A::FirstLessonChapter, nullptr, S::HandNames},
    {10, "Poker Hand Rankings", "A8", 8, A::FirstLessonChapter, nullptr, S::Rankings},
    {11, "Texas Hold'em Poker", nullptr, 0, A::PanelsFirstThenFocus, "/html/txholdem.html", S::None},
    {12, "Introduction", "A9", 11, A::PanelsFirst, "/html/txintro.html", S::None},
    {13, "Rules", "A10", 11, A::PanelsFirst, "/html/txrules.html", S::None},
    {14, "Limit vs No Limit", "A11", 11, A::PanelsFirst, "/html/txlimit.html", S::None},
    {15, "Pocket pair odds", "A12", 11, A::PanelsFirst, "/html/txpair.html", S::None},
    {16, "Preflop strategy", "A13", 11, A::PanelsFirst, "/html/txprestrategy.html", S::None},
    {17, "Post flop strategy", "A14", 11, A::PanelsFirst, "/html/txpoststrategy.html", S::None},
    {18, "Pot odds", "A15", 11, A::PanelsFirst, "/html/txpot.html", S::None},
    {19, "Position", "A16", 11, A::PanelsFirst, "/html/txposition.html", S::None},
    {20, "Software", "A17", 11, A::PanelsFirst, "/html/txsoftware.html", S::None},
    {21, "Interactive Lesson II", nullptr, 0, A::PanelsFirst, "/html/quiz2.html", S::None},
    {22, "Starting Pair Awareness", "A18", 21, A::SecondLessonChapter, nullptr, S::PairValue},
    {23, "Best Hand Recognition", "A19", 21, A::SecondLessonChapter, nullptr, S::BestHand},
    {24, "Sample Poker Game", "A30", 21, A::SampleGameStart, nullptr, S::None},
    {25, "Play Poker Online", nullptr, 0, A::PanelsFirst, "/html/online.html", S::None},
    {26, "Select a site", "A20", 25, A::PanelsFirst, "/html/onselect.html", S::None},
    {27, "Practice with play money", "A21", 25, A::PanelsFirst, "/html/onpractice.html", S::None},
    {28, "Online poker table etiquette", "A22", 25, A::PanelsFirst, "/html/onetiquette.html", S::None},
    {29, "Deposit real money", "A23", 25, A::PanelsFirst, "/html/ondeposit.html", S::None},
    {30, "Online Poker software reliability", "A25", 25, A::PanelsFirst, "/html/onreliable.html", S::None},
    {31, "Online Poker cheating concerns", "A26", 25, A::PanelsFirst, "/html/oncheating.html", S::None},
    {32, "Online gambling legal issues", "A27", 25, A::PanelsFirst, "/html/onlegal.html", S::None},
    {33, "Gambling addiction awareness", "A28", 25, A::PanelsFirst, "/html/onaddiction.html", S::None},
    {34, "Enjoy..", "A29", 25, A::PanelsFirst, "/html/enjoy.html", S::None},
}};
}  // namespace

const std::array<LessonNode, 34>& lessonNodes() { return kNodes; }

const LessonNode* lessonNodeByText(const QString& text) {
    for (const LessonNode& node : kNodes)
        if (text == QString::fromUtf8(node.text)) return &node;
    return nullptr;
}

}  // namespace tutor
