#pragma once

// The clock face: names, times, byoyomi, consideration minutes, turn and total, laid out as
// designed and scaled to any size. It shows a GameClock, each label written by the signal of
// the value it shows, and acts on nothing, so any number of faces can show one game.

#include "core/input_options.h"
#include "core/side.h"
#include "gui/widgets/scaled_face.h"

#include <array>

class DrawnBackground;
class GameClock;
class Label;
class QLineEdit;
class QPushButton;
class ScaledPicture;

class ClockFace : public ScaledFace {
    Q_OBJECT
public:
    static constexpr int kClientWidthTwips = 14280;

    ClockFace(const GameClock& game, QWidget* parent);

    // The sente picture and light-cyan labels on the sente side; the path that failed, if any.
    QString showPieces();
    // The key hint, and whether the voice can be tried.
    void showPlayState();
    // Each side's first move key, in the captions beside the roles.
    void showMoveKeys(const InputOptions& options);
    // Lays the face out at its designed width and this height, as the window gives it.
    void setDesignedHeight(int height);

    Label* leftRoleLabel = nullptr;
    Label* leftKeyCaption = nullptr;
    Label* hintLabel = nullptr;
    Label* rightKeyCaption = nullptr;
    Label* rightRoleLabel = nullptr;
    Label* leftNameLabel = nullptr;
    Label* vsCaption = nullptr;
    Label* rightNameLabel = nullptr;
    Label* leftMainTimeLabel = nullptr;
    Label* rightMainTimeLabel = nullptr;
    Label* turnLabel = nullptr;
    Label* moveNumberLabel = nullptr;
    Label* totalCaption = nullptr;
    Label* totalTimeLabel = nullptr;
    Label* leftConsiderationLabel = nullptr;
    Label* leftMinutesUnit = nullptr;
    Label* leftRemainingCaption = nullptr;
    Label* rightConsiderationLabel = nullptr;
    Label* rightMinutesUnit = nullptr;
    Label* rightRemainingCaption = nullptr;
    Label* leftPeriodLabel = nullptr;
    Label* leftSecondsUnit = nullptr;
    Label* perMoveCaption = nullptr;
    Label* leftByoyomiLengthLabel = nullptr;
    Label* leftByoyomiUnit = nullptr;
    Label* rightByoyomiLengthLabel = nullptr;
    Label* rightByoyomiUnit = nullptr;
    Label* rightPeriodLabel = nullptr;
    Label* rightSecondsUnit = nullptr;
    ScaledPicture* leftPiecePicture = nullptr;
    ScaledPicture* rightPiecePicture = nullptr;
    // The face as designed, which this widget scales and centres.
    DrawnBackground* face = nullptr;
    // Says a typed move count, to try the voice; hidden below the designed face.
    QPushButton* sayMovesButton = nullptr;
    QLineEdit* movesToSayEdit = nullptr;

private:
    struct SideLabels {
        Label* name;
        Label* role;
        Label* mainTime;
        Label* period;
        Label* secondsUnit;
        Label* byoyomiLength;
        Label* byoyomiUnit;
        Label* consideration;
        ScaledPicture* picture;
        std::array<Label*, 3> onPicture;
    };

    void connectGame();
    SideLabels labelsOf(Side side) const;
    void showTimeControl(Side side);

    const GameClock& game_;
};
