#pragma once

#include "core/game_result.h"
#include "core/input_layer.h"
#include "gui/widgets/reusable_dialog.h"

#include <array>

class GameClock;
class Label;
class MessageBoxes;
class QKeyEvent;
class QPushButton;

// "対局中断ﾒﾆｭｰ": a snapshot of the paused game and the ways on from it: resume, resign,
// replay with the colours reversed, end with a chosen result, or correct the times.
class PauseDialog : public ReusableDialog {
    Q_OBJECT
public:
    PauseDialog(GameClock& game, InputLayer& input, MessageBoxes& messageBoxes, QWidget* parent);

    Label* turnLabel = nullptr;
    Label* moveNumberLabel = nullptr;
    Label* totalTimeLabel = nullptr;
    Label* leftRoleLabel = nullptr;
    Label* leftNameLabel = nullptr;
    Label* leftMainTimeLabel = nullptr;
    Label* leftConsiderationLabel = nullptr;
    Label* rightRoleLabel = nullptr;
    Label* rightNameLabel = nullptr;
    Label* rightMainTimeLabel = nullptr;
    Label* rightConsiderationLabel = nullptr;
    Label* resignerLabel = nullptr;
    Label* senteNameLabel = nullptr;
    Label* goteNameLabel = nullptr;
    QPushButton* resumeButton = nullptr;
    QPushButton* resignButton = nullptr;
    QPushButton* replayButton = nullptr;
    QPushButton* senteLosesButton = nullptr;
    QPushButton* goteLosesButton = nullptr;
    QPushButton* drawButton = nullptr;
    QPushButton* correctionButton = nullptr;

    // Fills the snapshot from the game before a showing.
    void showSnapshot();

    void resume();
    void resign();
    void replay();
    void endWith(Outcome outcome);
    // Opens the correction dialog over this window; the snapshot shows what it applied.
    void correctTimes();

signals:
    // The players want to set up the game again; the old game stays paused until it starts.
    void replayRequested();

private:
    void buildButtons();
    bool previewKey(std::optional<Command> command, const QKeyEvent& key);

    GameClock& game_;
    MessageBoxes& messageBoxes_;
};
