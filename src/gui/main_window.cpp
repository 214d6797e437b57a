#include "gui/main_window.h"

#include "app_info.h"
#include "core/audio_device.h"
#include "core/number_text.h"
#include "core/players_file.h"
#include "core/process.h"
#include "core/settings_file.h"
#include "gui/about_dialog.h"
#include "gui/clock_face.h"
#include "gui/command_keys.h"
#include "gui/key_settings_dialog.h"
#include "gui/keys_dialog.h"
#include "gui/pause_dialog.h"
#include "gui/play_texts.h"
#include "gui/result_dialog.h"
#include "gui/settings_dialog.h"
#include "gui/stored_settings.h"
#include "gui/widgets/alt_key_guard.h"
#include "gui/widgets/app_icon.h"
#include "gui/widgets/half_taps.h"
#include "gui/widgets/key_preview.h"
#include "gui/widgets/message_box.h"
#include "gui/widgets/ui_timer.h"
#include "gui/widgets/window_geometry.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int kOuterHeightTwips = 8630;
// The tick follows each change of the wall clock's second; this only catches a missed one.
constexpr int kTickBackstopMs = 1000;

struct MenuItem {
    QAction* MainWindow::*member;
    const char* name;
    const char* caption;
    bool enabled;
    bool visible;
};

} // namespace

MainWindow::MainWindow(GameClock& game, MoveRecord& moveRecord, Services& services)
    : settings([this] {
        return std::make_unique<SettingsDialog>(game_, input_, services_, stored_, this);
    })
    , pauseDialog([this] {
        auto dialog = std::make_unique<PauseDialog>(game_, input_, services_.messageBoxes, this);
        connect(dialog.get(), &PauseDialog::replayRequested, this,
                [this] { openSettingsForReplay(true); });
        return dialog;
    })
    , services_(services)
    , game_(game)
    , moveRecord_(moveRecord)
    , input_(game_, defaultKeyBindings()) {
    setWindowTitle(QStringLiteral("バンクロ７"));
    setWindowIcon(appIcon());
    clockFace = new ClockFace(game_, this);
    setCentralWidget(clockFace);
    setMinimumWidth(px(ClockFace::kClientWidthTwips));
    resize(px(ClockFace::kClientWidthTwips), height());
    connect(clockFace->sayMovesButton, &QPushButton::clicked, this, &MainWindow::sayTypedMoveCount);
    buildMenus();
    tickTimer = new UiTimer(this, false, kTickBackstopMs);
    timeOutTimer = new UiTimer(this, false, 0);
    tickTimer->followSecondsOf(&services.wallClock);
    connect(tickTimer, &UiTimer::timeout, &game_, &GameClock::tick);
    connect(timeOutTimer, &UiTimer::timeout, this, [this] {
        timeOutTimer->setActive(false);
        timeOutTimer->setInterval(0);
        game_.timeOutWaitOver();
    });
    connectGame();
    new KeyPreview(this, input_, [this](std::optional<Command> command, const QKeyEvent&) {
        if (command)
            run(*command);
        return false;
    });
    new HalfTaps(clockFace, [this](Side half, std::uint64_t timestamp) {
        if (const std::optional<Command> command = input_.tap(half, timestamp))
            run(*command);
    });
    new AltKeyGuard(this, [this] { return !game_.playState().settingsOpen; });
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    // Captions stand as written: "(S)" and "(P)" are text, not access keys.
    const MenuItem gameItems[] = {
        {&MainWindow::settingsAction, "mnuHenkou", "対局設定(S)", true, true},
        {&MainWindow::keySettingsAction, "keySettings", "キー設定", true, true},
        {&MainWindow::pauseAction, "mnuKaisi", "対局中断(P)", false, true},
        {&MainWindow::resignAction, "mnuTouryou", "投了", false, false},
        {&MainWindow::repetitionDrawAction, "mnuSenniti", "千日手", false, false},
        {&MainWindow::fullScreenAction, "fullScreen", "全画面表示", true, false},
        {nullptr, "mnuSps2", nullptr, true, true},
        {&MainWindow::exitAction, "syuryou", "終了", true, true},
    };
    const MenuItem helpItems[] = {
        {&MainWindow::keysAction, "keysHelp", "操作方法", true, true},
        {&MainWindow::aboutAction, "mnuVer", "バージョン情報", true, true},
    };
    // A hidden entry belongs to the window rather than the menu: it never appears and keeps
    // its own enabled state; its key comes through the input layer.
    const auto fill = [this](QMenu* menu, const auto& items) {
        for (const MenuItem& item : items) {
            const QString caption = QString::fromUtf8(item.caption ? item.caption : "");
            QAction* action = !item.caption  ? menu->addSeparator()
                              : item.visible ? menu->addAction(caption)
                                             : new QAction(caption, this);
            if (!item.visible)
                addAction(action);
            action->setObjectName(QString::fromUtf8(item.name));
            action->setEnabled(item.enabled);
            if (item.member)
                this->*item.member = action;
        }
    };
    QMenu* gameMenu = menuBar()->addMenu(QStringLiteral("対局"));
    gameMenu->setObjectName(QStringLiteral("mnuTaikyoku"));
    fill(gameMenu, gameItems);
    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    fill(helpMenu, helpItems);
    connect(settingsAction, &QAction::triggered, this, &MainWindow::openSettings);
    connect(keySettingsAction, &QAction::triggered, this, &MainWindow::openKeySettings);
    connect(pauseAction, &QAction::triggered, this, &MainWindow::togglePause);
    connect(resignAction, &QAction::triggered, this, &MainWindow::askToResign);
    connect(repetitionDrawAction, &QAction::triggered, this, &MainWindow::askRepetitionDraw);
    connect(exitAction, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    connect(keysAction, &QAction::triggered, this, &MainWindow::showKeys);
    connect(fullScreenAction, &QAction::triggered, this, &MainWindow::toggleFullScreen);
}

// The window's part of the game: its commands, the tick, the time-out question and the end.
void MainWindow::connectGame() {
    GameClock* game = &game_;
    connect(game, &GameClock::playStateChanged, this, &MainWindow::showPlayState);
    connect(game, &GameClock::runningChanged, tickTimer, &UiTimer::setActive);
    connect(game, &GameClock::timeOutReached, this, [this] {
        timeOutTimer->setInterval(GameClock::kTimeOutQuestionDelayMs);
        timeOutTimer->setActive(true);
    });
    connect(game, &GameClock::timeOutQuestion, this, &MainWindow::confirmTimeOut);
    connect(game, &GameClock::gameEnded, this, &MainWindow::showGameEnd);
}

bool MainWindow::startUp() {
    setOuterHeight(this, kOuterHeightTwips, Sizing::Minimum);
    // The face's designed height is what the designed window leaves under the menu bar.
    const int faceHeight = designedClientHeight(kOuterHeightTwips) - menuBar()->sizeHint().height();
    clockFace->setDesignedHeight(faceHeight);
    if (const QString failed = clockFace->showPieces(); !failed.isEmpty()) {
        services_.messageBoxes.ask(
            this, {QStringLiteral("駒の画像ファイル \"%1\" を読み込めません。").arg(failed),
                   QString::fromUtf8(app_info::kTitle), MessageBoxRequest::Buttons::Ok,
                   MessageBoxRequest::Icon::Critical});
        return false;
    }
    clockFace->showPlayState();
    stored_ = loadStoredSettings(input_);
    clockFace->showMoveKeys(input_.options());
    game_.loadPlayers(readPlayersFile());
    centreOnScreen(this);
    return true;
}

void MainWindow::showPlayState() {
    const PlayState& state = game_.playState();
    settingsAction->setEnabled(state.settingsOpen);
    keySettingsAction->setEnabled(state.settingsOpen);
    pauseAction->setEnabled(state.pauseOpen);
    pauseAction->setText(pauseCommandText(state.prompt));
    resignAction->setEnabled(state.resignOpen);
    repetitionDrawAction->setEnabled(state.repetitionDrawOpen);
}

void MainWindow::run(Command command) {
    switch (command) {
    case Command::EndMoveLeft:
        game_.endMove(Side::Left);
        break;
    case Command::EndMoveRight:
        game_.endMove(Side::Right);
        break;
    case Command::Pause:
    case Command::Resume:
        togglePause();
        break;
    case Command::OpenSettings:
        openSettings();
        break;
    case Command::Resign:
        askToResign();
        break;
    case Command::RepetitionDraw:
        askRepetitionDraw();
        break;
    case Command::FullScreen:
        toggleFullScreen();
        break;
    case Command::CloseSettings:
        break; // the settings window's
    }
}

void MainWindow::openSettings() {
    if (game_.running())
        return;
    settings.get().offerDraw(false);
    settings.showModal();
}

void MainWindow::openKeySettings() {
    if (game_.running())
        return;
    KeySettingsDialog dialog(input_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    input_.setOptions(dialog.options());
    clockFace->showMoveKeys(input_.options());
    if (!saveInputOptions(input_.options()))
        services_.messageBoxes.ask(
            this, {QStringLiteral("キー設定を %1 に保存できません。").arg(settingsFilePath()),
                   QStringLiteral("キー設定"), MessageBoxRequest::Buttons::Ok,
                   MessageBoxRequest::Icon::Warning});
}

void MainWindow::togglePause() {
    if (!game_.playState().pauseOpen)
        return; // no game, a game that ended, or a time-out awaiting its question
    if (!game_.running()) {
        game_.resume();
        return;
    }
    game_.pause();
    pauseDialog.get().showSnapshot();
    pauseDialog.showModal();
}

// Cancel is the default: Enter is the right player's move key, and must not end the game.
bool MainWindow::confirmed(const QString& text, const QString& title) {
    return services_.messageBoxes.ask(this, {text, title, MessageBoxRequest::Buttons::OkCancel,
                                             MessageBoxRequest::Icon::Warning,
                                             MessageBoxRequest::Default::Cancel}) ==
           QDialog::Accepted;
}

void MainWindow::askToResign() {
    if (!game_.stopForQuestion())
        return;
    const QString name = game_.name(game_.sideToMove());
    if (confirmed(name + QStringLiteral("さん本当に投了しますか？"), QStringLiteral("投了")))
        game_.resign();
    else
        game_.resumeAfterQuestion();
}

// The old game stays stopped, and the pause command resumes it if the dialog is left without
// starting the replay.
void MainWindow::askRepetitionDraw() {
    if (!game_.stopForQuestion())
        return;
    if (confirmed(QStringLiteral("千日手？"), QStringLiteral("千日手"))) {
        game_.prepareReplay(Abandonment::RepetitionDraw);
        openSettingsForReplay(std::nullopt);
    } else {
        game_.resumeAfterQuestion();
    }
}

void MainWindow::openSettingsForReplay(std::optional<bool> offerDraw) {
    if (const std::optional<Side> sente = game_.replaySente())
        settings.get().selectFirstPlayer(*sente);
    if (offerDraw)
        settings.get().offerDraw(*offerDraw);
    settings.showModal();
}

void MainWindow::confirmTimeOut() {
    const QString loser = game_.name(game_.sideToMove());
    const QDialog::DialogCode answer = services_.messageBoxes.ask(
        this, {loser + QStringLiteral("本当に終了しますか？"), QStringLiteral("終了"),
               MessageBoxRequest::Buttons::OkCancel, MessageBoxRequest::Icon::Warning,
               MessageBoxRequest::Default::Cancel});
    if (answer == QDialog::Accepted) {
        game_.confirmTimeOut();
        return;
    }
    services_.messageBoxes.ask(this, {QStringLiteral("10秒戻します"), QStringLiteral("戻します")});
    game_.giveTenSecondsBack();
}

// The result, already announced, shown and then offered for recording; then the rows of the
// record of play that could not be written, if any.
void MainWindow::showGameEnd() {
    const GameResult result = game_.result();
    services_.messageBoxes.ask(this, {result.message(), QStringLiteral("終了")});
    ResultDialog dialog(game_.summary(), services_.messageBoxes, this);
    dialog.exec();
    if (const auto incomplete = moveRecord_.takeIncompleteReport())
        services_.messageBoxes.ask(this, {*incomplete, QStringLiteral("対局記録"),
                                          MessageBoxRequest::Buttons::Ok,
                                          MessageBoxRequest::Icon::Warning});
}

void MainWindow::exitProgram() {
    if (holdForResult())
        return;
    game_.abandon();
    services_.process.end(EXIT_SUCCESS);
}

void MainWindow::toggleFullScreen() {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void MainWindow::showAbout() {
    AboutDialog about(this);
    about.exec();
}

void MainWindow::showKeys() {
    KeysDialog keys(input_.options(), this);
    keys.exec();
}

void MainWindow::sayTypedMoveCount() {
    game_.tryVoice(toDecimal(clockFace->movesToSayEdit->text()));
}

void MainWindow::shutDown() {
    game_.abandon();
    services_.audio.stop();
    services_.process.end(EXIT_SUCCESS);
}

// A result being said is cut short, and shown and offered for recording before the clock
// can be closed.
bool MainWindow::holdForResult() {
    if (!game_.sayingResult())
        return false;
    services_.audio.stop();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (holdForResult()) {
        event->ignore();
        return;
    }
    shutDown();
    QMainWindow::closeEvent(event);
}
