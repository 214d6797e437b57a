#pragma once

// The clock's main window: the face, the menus and the commands of the game it is given.
//
// Data flow: a key (seen before any control through key preview, made a command by the
// input layer), a tap on the face (made a command by the input layer too), a menu command or
// a tick of tickTimer becomes one call on GameClock, which holds every rule and value of the
// game.
// GameClock tells each change by its own signal, at the step that makes it, and speaks
// through its Announcer; the face writes each label from the signal of the value it
// shows (ClockFace). The dialogs act on the same GameClock and never on this window.
//
// Threads: all of the above runs on the GUI thread. Three others exist. MoveRecord's rows are
// appended by its BackgroundAppender's thread, fed through a queue; a failure is kept under a
// mutex until the game's end reports it. QueuedAudio's thread loads and plays the clips asked
// for, in turn, and waits out those to be heard whole; what follows a spoken result is called
// back on the GUI thread. SDL's callback thread copies out the clip playing, under the
// device's mutex; nothing else of the program runs there.

#include "core/game_clock.h"
#include "core/input_layer.h"
#include "core/move_record.h"
#include "gui/services.h"
#include "gui/stored_settings.h"
#include "gui/widgets/reusable_dialog.h"

#include <QMainWindow>

class AboutDialog;
class ClockFace;
class PauseDialog;
class QAction;
class QKeyEvent;
class SettingsDialog;
class UiTimer;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Shows and runs the game; the record is kept by the caller and reported here.
    MainWindow(GameClock& game, MoveRecord& moveRecord, Services& services);
    ~MainWindow() override;

    // False when a piece picture could not be read, after telling the user.
    bool startUp();

    GameClock& game() { return game_; }
    MoveRecord& moveRecord() { return moveRecord_; }
    Services& services() { return services_; }
    InputLayer& input() { return input_; }

    // Loaded on first use; their close boxes discard them.
    LoadedOnUse<SettingsDialog> settings;
    LoadedOnUse<PauseDialog> pauseDialog;

    ClockFace* clockFace = nullptr;
    UiTimer* tickTimer = nullptr;
    UiTimer* timeOutTimer = nullptr;

    QAction* settingsAction = nullptr;
    QAction* keySettingsAction = nullptr;
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
    // The move keys and the tap, while no game runs; kept in the settings file.
    void openKeySettings();
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
    // The time-out question: confirm the loss on time, or give ten seconds back.
    void confirmTimeOut();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void connectGame();
    void showPlayState();
    void showGameEnd();
    // Asks the question of a command that acts on the running game; false when cancelled.
    bool confirmed(const QString& text, const QString& title);
    // The settings dialog with the colours of the game reversed, for its replay; the draw
    // button as offerDraw says, or as the dialog last showed it.
    void openSettingsForReplay(std::optional<bool> offerDraw);
    bool holdForResult();
    void shutDown();

    Services& services_;
    GameClock& game_;
    MoveRecord& moveRecord_;
    InputLayer input_;
    StoredSettings stored_;
};
