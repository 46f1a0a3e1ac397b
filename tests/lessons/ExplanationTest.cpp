// The explanations of the two exercise frames as they are painted: their
// text sits inside the frame with room below its top border line, as much
// as it has beside the left border, whole, and above the Start button. Built
// for the default screen and for the screens of higher ratio.
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include <QImage>

#include "LessonFixture.h"

namespace tutor::testing {
namespace {

// A run of device pixels along one line, first to last; empty when first > last.
struct Span {
    int first = 0;
    int last = -1;
    bool empty() const { return first > last; }
};

// The border crossed by a line of pixels that starts outside the frame: from
// the first pixel that is not the outside colour to the last before the line
// settles into the colour of the frame's inside.
Span borderAlong(const std::vector<QRgb>& line, QRgb inside) {
    const QRgb outside = line.front();
    Span span{static_cast<int>(line.size()), -1};
    int i = 0;
    while (i < static_cast<int>(line.size()) && line[i] == outside) ++i;
    span.first = i;
    while (i < static_cast<int>(line.size()) && line[i] != inside) span.last = i++;
    return span;
}

std::vector<QRgb> column(const QImage& shot, int x) {
    std::vector<QRgb> line;
    for (int y = 0; y < shot.height(); ++y) line.push_back(shot.pixel(x, y));
    return line;
}

std::vector<QRgb> row(const QImage& shot, int y) {
    std::vector<QRgb> line;
    for (int x = 0; x < shot.width(); ++x) line.push_back(shot.pixel(x, y));
    return line;
}

// Where two pictures of one size differ: the rows and the columns.
std::pair<Span, Span> differences(const QImage& a, const QImage& b) {
    Span rows{a.height(), -1}, columns{a.width(), -1};
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                rows.first = std::min(rows.first, y);
                rows.last = std::max(rows.last, y);
                columns.first = std::min(columns.first, x);
                columns.last = std::max(columns.last, x);
            }
    return {rows, columns};
}

class Explanations : public LessonFixture {};

TEST_F(Explanations, HaveRoomBelowTheFrameBorderAndEndAboveTheStartButton) {
    struct Screen {
        const char* name;
        std::function<void(LessonPanel&)> setUp;
        const char* startA;
        const char* startB;  // nullptr: the lesson has no second exercise
    };
    const Screen screens[] = {
        {"Poker Hand Names", &LessonPanel::initLessonHandNames, "cmdStart1A", "cmdStart1B"},
        {"Poker Hand Rankings", &LessonPanel::initLessonRankings, "cmdStart2A", "cmdStart2B"},
        {"Pre-Flop Pair Value", &LessonPanel::initLessonPairValue, "cmdStart3A", "cmdStart3B"},
        {"Best Hand Recognition", &LessonPanel::initLessonBestHand, "cmdStart4", nullptr},
    };
    for (const Screen& screen : screens) {
        screen.setUp(*panel);
        for (const auto& [labelName, frameName, startName] :
             {std::tuple{"lblEx1", "Frame1", screen.startA},
              std::tuple{"lblEx2", "Frame2", screen.startB}}) {
            if (!startName) continue;
            SCOPED_TRACE(std::string(screen.name) + ", " + labelName);
            auto* frame = find<QGroupBox>(frameName);
            auto* label = find<QLabel>(labelName);
            const double ratio = frame->devicePixelRatioF();
            const QString text = label->text();
            ASSERT_FALSE(text.isEmpty());

            // The text alone: the frame painted with it and without it.
            const QImage withText = frame->grab().toImage();
            label->clear();
            const QImage frameOnly = frame->grab().toImage();
            label->setText(text);
            const auto [textRows, textColumns] = differences(withText, frameOnly);
            ASSERT_FALSE(textRows.empty()) << "no text painted";

            // The top border down a column right of the label, clear of the
            // caption; the left border along a row through the label.
            const QRgb inside = frameOnly.pixel(frameOnly.width() / 2, frameOnly.height() / 2);
            const int x = static_cast<int>((label->geometry().right() + 2) * ratio);
            const int y = static_cast<int>(label->geometry().center().y() * ratio);
            const Span top = borderAlong(column(frameOnly, x), inside);
            const Span left = borderAlong(row(frameOnly, y), inside);
            ASSERT_FALSE(top.empty()) << "no top border in device column " << x;
            ASSERT_FALSE(left.empty()) << "no left border in device row " << y;

            const int roomBelowBorder = textRows.first - top.last - 1;
            const int roomBesideBorder = textColumns.first - left.last - 1;
            ASSERT_GT(roomBesideBorder, 0) << "the text touches the left border";
            EXPECT_GE(roomBelowBorder, roomBesideBorder)
                << "the text starts in device row " << textRows.first << ", " << roomBelowBorder
                << " below the top border (rows " << top.first << " to " << top.last
                << "), but has " << roomBesideBorder << " beside the left border (ratio " << ratio
                << ")";

            // Lowered too far, the label would cut its last lines off.
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << "the label is too low for its whole text";
            const int startTop = static_cast<int>(find(startName)->geometry().top() * ratio);
            EXPECT_LT(textRows.last, startTop)
                << "the text's last device row " << textRows.last
                << " reaches the Start button's top row " << startTop << " (ratio " << ratio << ")";
        }
    }
}

}  // namespace
}  // namespace tutor::testing
