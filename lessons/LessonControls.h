#pragma once

#include <array>
#include <memory>

#include "lessons/CardIdentity.h"
#include "platform/TwipsControl.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace tutor {

class CaptionLabel;
class HandWindow;
class ScreenMetrics;

// A control of the lesson panel with its geometry in twips.
template <class W>
struct Placed {
    W* widget = nullptr;
    std::unique_ptr<TwipsControl> twips;
    W* operator->() const { return widget; }
    TwipsControl& geom() const { return *twips; }
};

inline constexpr int kNameLabelCount = 9;

// Every control of the lesson panel, created once with its design geometry,
// colours and fonts. The panel owns the widgets through Qt's parent chain.
struct LessonControls {
    Placed<QWidget> picKeys;
    std::array<Placed<QPushButton>, kKeyCount> cmdKey;
    QButtonGroup* keyGroup = nullptr;  // id = key index

    Placed<QWidget> picSuits;
    Placed<QPushButton> zCommand1, zCommand2, zCommand3, zcommandbutton5;

    Placed<HandWindow> picShow;
    Placed<HandWindow> picLabels;
    std::array<Placed<CaptionLabel>, kNameLabelCount> lblName;

    Placed<CaptionLabel> lblHeading1;
    Placed<QPushButton> cmdClear;
    Placed<QGroupBox> Frame1, Frame2;
    Placed<QLabel> lblEx1, lblEx2;
    Placed<QPushButton> cmdStart1A, cmdStart2A, cmdStart3A, cmdStart4;
    Placed<QPushButton> cmdStart1B, cmdStart2B, cmdStart3B;
    Placed<CaptionLabel> lblMessage;

    // Builds them all on picQuiz.
    void build(QWidget* picQuiz, const ScreenMetrics& screen);
};

// The design captions of the name labels, by index.
const char* nameLabelDesignCaption(int index);

}  // namespace tutor
