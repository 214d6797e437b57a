#pragma once

// The clock face, and the owner of the game.
//
// Data flow: a key (seen before any control through key preview, made a command by the
// input layer), a menu command or a tick of tickTimer becomes one call on GameClock, which
// holds every rule and value of the game.
// GameClock tells each change by its own signal, at the step that makes it, and speaks
// through its Announcer; this window writes each label from the signal of the value it
// shows. The dialogs act on the same GameClock and never on this window.
//
// Threads: all of the above runs on the GUI thread. Two others exist. MoveRecord's rows are
// appended by its BackgroundAppender's thread, fed through a queue; a failure is kept under a
// mutex until the game's end reports it. SDL's callback thread copies out the clip the audio
// device was given, under the device's mutex; nothing else of the program runs there.

#include "core/announcer.h"
#include "core/game_clock.h"
#include "core/input_layer.h"
#include "core/move_record.h"
#include "gui/services.h"
#include "gui/widgets/reusable_dialog.h"

#include <QMainWindow>
#include <array>

class AboutDialog;
class DrawnBackground;
class Label;
class PauseDialog;
class QAction;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class ScaledFace;
class ScaledPicture;
class SettingsDialog;
class UiTimer;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Services& services);
    ~MainWindow() override;

    // False when a piece picture could not be read, after telling the user.
    bool startUp();

    GameClock& game() { return game_; }
    MoveRecord& moveRecord() { return moveRecord_; }
    Services& services() { return services_; }

    // Loaded on first use; their close boxes unload them.
    LoadedOnUse<SettingsDialog> settings;
    LoadedOnUse<PauseDialog> pauseDialog;

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
    // The face as designed, scaled and centred in faceFrame.
    DrawnBackground* face = nullptr;
    ScaledFace* faceFrame = nullptr;
    QPushButton* sayMovesButton = nullptr;
    QLineEdit* movesToSayEdit = nullptr;
    UiTimer* tickTimer = nullptr;
    UiTimer* timeOutTimer = nullptr;

    QAction* settingsAction = nullptr;
    QAction* pauseAction = nullptr;
    QAction* resignAction = nullptr;
    QAction* repetitionDrawAction = nullptr;
    QAction* exitAction = nullptr;
    QAction* aboutAction = nullptr;
    QAction* keysAction = nullptr;
    QAction* fullScreenAction = nullptr;

    // A command of the input layer, as the game offers it now.
    void run(Command command);
    void openSettings();
    void togglePause();
    void askToResign();
    void askRepetitionDraw();
    void exitProgram();
    void showAbout();
    void showKeys();
    // F11: the whole screen for the face, the menu bar kept; again to go back.
    void toggleFullScreen();
    // Says the number typed in movesToSayEdit with 手にて 先手の勝ち, to try the voice.
    void sayTypedMoveCount();
    // Three seconds after a time-out: confirm the loss on time, or give ten seconds back.
    void confirmTimeOut();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct SideLabels {
        Label* name;
        Label* role;
        Label* mainTime;
        Label* period;
        Label* byoyomiLength;
        Label* consideration;
        ScaledPicture* picture;
        std::array<Label*, 3> onPicture;
    };

    void buildFace();
    void buildMenus();
    void connectGame();
    SideLabels labelsOf(Side side) const;
    // The sente picture and light-cyan labels on the sente side; the path that failed, if any.
    QString showPieces();
    void showPlayState();
    void showGameEnd();
    // Asks the question of a command that acts on the running game; false when cancelled.
    bool confirmed(const QString& text, const QString& title);
    // The settings dialog with the colours of the game reversed, for its replay; the draw
    // button as offerDraw says, or as the dialog last showed it.
    void openSettingsForReplay(std::optional<bool> offerDraw);
    void shutDown();

    Services& services_;
    GameClock game_;
    // Before the window's own connections: a game's last row is written before its end shows.
    MoveRecord moveRecord_;
    InputLayer input_;
    Announcer voice_;
};
