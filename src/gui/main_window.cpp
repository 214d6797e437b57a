#include "gui/main_window.h"

#include "app_info.h"
#include "core/audio_device.h"
#include "core/number_text.h"
#include "core/players_file.h"
#include "core/process.h"
#include "gui/about_dialog.h"
#include "gui/command_keys.h"
#include "gui/keys_dialog.h"
#include "gui/pause_dialog.h"
#include "gui/result_dialog.h"
#include "gui/settings_dialog.h"
#include "gui/widgets/alt_key_guard.h"
#include "gui/widgets/app_icon.h"
#include "gui/widgets/drawing.h"
#include "gui/widgets/key_preview.h"
#include "gui/widgets/label.h"
#include "gui/widgets/message_box.h"
#include "gui/widgets/piece_pictures.h"
#include "gui/widgets/scaled_face.h"
#include "gui/widgets/scaled_picture.h"
#include "gui/widgets/ui_timer.h"
#include "gui/widgets/window_geometry.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr unsigned kBackColor = 0xB1FFFF;
constexpr unsigned kSenteTextColor = 0xFFFFC0; // light cyan, on the sente picture
constexpr unsigned kGoteTextColor = 0x800000;  // navy, on the gote picture
constexpr int kClientWidthTwips = 14280;
constexpr int kOuterHeightTwips = 8630;
// The tick follows each change of the wall clock's second; this only catches a missed one.
constexpr int kTickBackstopMs = 1000;

using namespace table_alignment;
constexpr FontSpec kPMincho36B{Face::MsPMincho, 36, true};
constexpr FontSpec kPMincho48B{Face::MsPMincho, 48, true};
constexpr FontSpec kConsolas72{Face::Consolas, 72, false};
constexpr FontSpec kConsolas90{Face::Consolas, 90, false};
constexpr FontSpec kConsolas2775{Face::Consolas, 27.75, false};
constexpr FontSpec kPGothic24{Face::MsPGothic, 24, false};
constexpr FontSpec kPGothic2775{Face::MsPGothic, 27.75, false};
constexpr FontSpec kPGothic36{Face::MsPGothic, 36, false};
constexpr FontSpec kPGothic2625{Face::MsPGothic, 26.25, false};

enum class Parent { Face, LeftPicture, RightPicture };

struct FaceLabel {
    Label* MainWindow::*member;
    Parent parent;
    LabelSpec spec;
};

// clang-format off
const FaceLabel kLabels[] = {
    {&MainWindow::leftRoleLabel, Parent::Face, {"Lblteban1", "先手", kPMincho36B, L, {360, 0, 1935, 735}}},
    {&MainWindow::leftKeyCaption, Parent::Face, {"Label2", "(Space Key)", kPGothic24, L, {2640, 120, 3135, 495}}},
    {&MainWindow::hintLabel, Parent::Face, {"Label4", "", {Face::MsPGothic, 20.25, false}, C, {5640, 0, 3255, 495}}},
    {&MainWindow::rightKeyCaption, Parent::Face, {"Label3", "(Enter Key)", kPGothic24, R, {9240, 120, 2895, 495}}},
    {&MainWindow::rightRoleLabel, Parent::Face, {"Lblteban2", "後手", kPMincho36B, R, {12240, 0, 1695, 735}}},
    {&MainWindow::leftNameLabel, Parent::Face, {"Lblna1", kSampleName1, kPMincho48B, L, {360, 720, 5655, 975}}},
    {&MainWindow::vsCaption, Parent::Face, {"Lblvs", "VS", kPMincho48B, L, {6600, 960, 1215, 975}}},
    {&MainWindow::rightNameLabel, Parent::Face, {"Lblna2", kSampleName2, kPMincho48B, R, {8400, 720, 5535, 975}}},
    {&MainWindow::leftMainTimeLabel, Parent::Face, {"Lblt1", "0:15:00", kConsolas72, R, {120, 1680, 5580, 1395}}},
    {&MainWindow::rightMainTimeLabel, Parent::Face, {"Lblt2", "0:15:00", kConsolas72, R, {8280, 1680, 5580, 1395}}},
    {&MainWindow::turnLabel, Parent::Face, {"Lblteban3", "先手番", {Face::MsPMincho, 21.75, true}, C, {6360, 2520, 1575, 495}}},
    {&MainWindow::moveNumberLabel, Parent::Face, {"Lblteme", "1手目", {Face::MsPMincho, 20.25, true}, C, {6360, 3360, 1575, 495}}},
    {&MainWindow::totalCaption, Parent::Face, {"Label1", "TOTAL", {Face::Consolas, 15.75, true}, C, {6600, 4020, 975, 375}}},
    {&MainWindow::totalTimeLabel, Parent::Face, {"lblTT1", "0:00:00", {Face::Consolas, 20.25, true}, C, {6360, 4440, 1575, 375}}},
    {&MainWindow::leftConsiderationLabel, Parent::LeftPicture, {"Lblk1", "10", kConsolas90, R, {120, 360, 2010, 1995}}},
    {&MainWindow::leftMinutesUnit, Parent::LeftPicture, {"LblH1", "分", kPGothic36, L, {2280, 1320, 720, 840}}},
    {&MainWindow::leftRemainingCaption, Parent::LeftPicture, {"LblN1", "残り時間", kPGothic2775, C, {120, 2400, 2805, 675}}},
    {&MainWindow::rightConsiderationLabel, Parent::RightPicture, {"Lblk2", "10", kConsolas90, R, {120, 480, 2010, 1995}}},
    {&MainWindow::rightMinutesUnit, Parent::RightPicture, {"LblH2", "分", kPGothic36, L, {2280, 1320, 720, 855}}},
    {&MainWindow::rightRemainingCaption, Parent::RightPicture, {"LblN2", "残り時間", kPGothic2775, C, {120, 2400, 2805, 675}}},
    {&MainWindow::leftPeriodLabel, Parent::Face, {"Lblt11", "0", kConsolas90, R, {1200, 6000, 3015, 1815}}},
    {&MainWindow::leftSecondsUnit, Parent::Face, {"LblB1", "秒", kPGothic36, C, {4320, 6960, 975, 855}}},
    {&MainWindow::perMoveCaption, Parent::Face, {"LblItte1", "一手", kPGothic2775, L, {6600, 6360, 1215, 615}}},
    {&MainWindow::leftByoyomiLengthLabel, Parent::Face, {"Lblt11S", "30", kConsolas2775, L, {5640, 7080, 855, 615}}},
    {&MainWindow::leftByoyomiUnit, Parent::Face, {"LblB11", "秒", kPGothic2625, C, {6360, 7155, 615, 615}}},
    {&MainWindow::rightByoyomiLengthLabel, Parent::Face, {"Lblt12S", "30", kConsolas2775, L, {7560, 7080, 735, 615}}},
    {&MainWindow::rightByoyomiUnit, Parent::Face, {"LblB12", "秒", kPGothic2625, C, {8280, 7160, 615, 615}}},
    {&MainWindow::rightPeriodLabel, Parent::Face, {"Lblt12", "0", kConsolas90, R, {9360, 6000, 3015, 1815}}},
    {&MainWindow::rightSecondsUnit, Parent::Face, {"LblB2", "秒", kPGothic36, C, {12480, 6960, 975, 855}}},
};

const std::vector<LineSpec> kLines = {
    {"Line4", 6000, 6600, 6360, 6600, 4, Qt::black},
    {"Line3", 6000, 6600, 6000, 6960, 4, Qt::black},
    {"Line1", 7920, 6600, 8280, 6600, 4, Qt::black},
    {"Line2", 8280, 6600, 8280, 6960, 4, Qt::black},
};

const std::vector<FrameSpec> kFrames = {
    {"Shape1", {6240, 2280, 1815, 855}, 3},
    {"Shape2", {6240, 3120, 1815, 855}, 3},
    {"Shape3", {6240, 3960, 1815, 975}, 3},
};
// clang-format on

constexpr int kTimeOutQuestionDelayMs = 3000;

struct MenuItem {
    QAction* MainWindow::*member;
    const char* name;
    const char* caption;
    bool enabled;
    bool visible;
};

} // namespace

MainWindow::MainWindow(Services& services)
    : settings([this] { return std::make_unique<SettingsDialog>(game_, input_, services_, this); })
    , pauseDialog([this] {
        auto dialog = std::make_unique<PauseDialog>(game_, input_, services_.messageBoxes, this);
        connect(dialog.get(), &PauseDialog::replayRequested, this,
                [this] { openSettingsForReplay(true); });
        return dialog;
    })
    , services_(services)
    , game_(services.wallClock, services.audio)
    , moveRecord_(game_, services.wallClock)
    , input_(game_, defaultKeyBindings())
    , voice_(services.audio) {
    setWindowTitle(QStringLiteral("バンクロ７"));
    setWindowIcon(appIcon());
    buildFace();
    buildMenus();
    tickTimer = new UiTimer(this, false, kTickBackstopMs);
    timeOutTimer = new UiTimer(this, false, 0);
    tickTimer->followSecondsOf(&services.wallClock);
    connect(tickTimer, &UiTimer::timer, &game_, &GameClock::tick);
    connect(timeOutTimer, &UiTimer::timer, this, &MainWindow::confirmTimeOut);
    connectGame();
    new KeyPreview(this, input_, [this](std::optional<Command> command, const QKeyEvent&) {
        if (command)
            run(*command);
        return false;
    });
    new AltKeyGuard(this, [this] { return !game_.playState().settingsOpen; });
}

MainWindow::~MainWindow() = default;

void MainWindow::buildFace() {
    faceFrame = new ScaledFace(this);
    faceFrame->setObjectName(QStringLiteral("faceFrame"));
    faceFrame->setAutoFillBackground(true);
    // The face sets every colour it shows: a dark desktop theme's light text would vanish on
    // its fixed light background.
    QPalette palette = faceFrame->palette();
    palette.setColor(QPalette::Window, bgrColor(kBackColor));
    palette.setColor(QPalette::WindowText, Qt::black);
    faceFrame->setPalette(palette);
    setCentralWidget(faceFrame);
    setMinimumWidth(px(kClientWidthTwips));
    resize(px(kClientWidthTwips), height());
    face = new DrawnBackground(faceFrame, kLines, kFrames);
    face->setObjectName(QStringLiteral("face"));

    leftPiecePicture = new ScaledPicture(face);
    leftPiecePicture->setObjectName(QStringLiteral("Picture1"));
    leftPiecePicture->setGeometry(TwipsRect{1680, 3120, 3015, 3135}.toPixels());
    rightPiecePicture = new ScaledPicture(face);
    rightPiecePicture->setObjectName(QStringLiteral("Picture2"));
    rightPiecePicture->setGeometry(TwipsRect{9840, 3120, 3015, 3135}.toPixels());

    for (const FaceLabel& row : kLabels) {
        QWidget* parent = face;
        if (row.parent != Parent::Face)
            parent = row.parent == Parent::LeftPicture ? leftPiecePicture : rightPiecePicture;
        this->*row.member = makeLabel(parent, row.spec);
    }

    sayMovesButton = new QPushButton(QStringLiteral("手にて"), face);
    sayMovesButton->setObjectName(QStringLiteral("cmd1"));
    sayMovesButton->setGeometry(TwipsRect{11280, 9000, 1215, 375}.toPixels());
    movesToSayEdit = new QLineEdit(face);
    movesToSayEdit->setObjectName(QStringLiteral("Text1"));
    movesToSayEdit->setMaxLength(3);
    movesToSayEdit->setFont(fontFor({Face::MsPGothic, 12, false}));
    movesToSayEdit->setGeometry(TwipsRect{10560, 9000, 615, 375}.toPixels());
    // The designed face leaves them below its visible area.
    sayMovesButton->hide();
    movesToSayEdit->hide();
    connect(sayMovesButton, &QPushButton::clicked, this, &MainWindow::sayTypedMoveCount);
}

void MainWindow::buildMenus() {
    // Captions stand as written: "(S)" and "(P)" are text, not access keys.
    const MenuItem gameItems[] = {
        {&MainWindow::settingsAction, "mnuHenkou", "対局設定(S)", true, true},
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
    connect(pauseAction, &QAction::triggered, this, &MainWindow::togglePause);
    connect(resignAction, &QAction::triggered, this, &MainWindow::askToResign);
    connect(repetitionDrawAction, &QAction::triggered, this, &MainWindow::askRepetitionDraw);
    connect(exitAction, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    connect(keysAction, &QAction::triggered, this, &MainWindow::showKeys);
    connect(fullScreenAction, &QAction::triggered, this, &MainWindow::toggleFullScreen);
}

MainWindow::SideLabels MainWindow::labelsOf(Side side) const {
    if (side == Side::Left)
        return {leftNameLabel,
                leftRoleLabel,
                leftMainTimeLabel,
                leftPeriodLabel,
                leftByoyomiLengthLabel,
                leftConsiderationLabel,
                leftPiecePicture,
                {leftConsiderationLabel, leftMinutesUnit, leftRemainingCaption}};
    return {rightNameLabel,
            rightRoleLabel,
            rightMainTimeLabel,
            rightPeriodLabel,
            rightByoyomiLengthLabel,
            rightConsiderationLabel,
            rightPiecePicture,
            {rightConsiderationLabel, rightMinutesUnit, rightRemainingCaption}};
}

// Each label is written by the signal of the value it shows. The period and the minutes are
// painted at once: a clip that is waited for may follow, holding the thread.
void MainWindow::connectGame() {
    GameClock* game = &game_;
    connect(game, &GameClock::nameChanged, this,
            [this](Side side) { labelsOf(side).name->setText(game_.name(side)); });
    connect(game, &GameClock::coloursChanged, this, [this] {
        for (const Side side : kBothSides)
            labelsOf(side).role->setText(game_.roleText(side));
        showPieces();
    });
    connect(game, &GameClock::mainTimeChanged, this,
            [this](Side side) { labelsOf(side).mainTime->setText(game_.mainTimeText(side)); });
    connect(game, &GameClock::periodChanged, this, [this](Side side) {
        labelsOf(side).period->setText(game_.periodText(side));
        labelsOf(side).period->repaint();
    });
    connect(game, &GameClock::byoyomiLengthChanged, this, [this](Side side) {
        labelsOf(side).byoyomiLength->setText(game_.byoyomiLengthText(side));
    });
    connect(game, &GameClock::considerationChanged, this, [this](Side side) {
        labelsOf(side).consideration->setText(game_.considerationText(side));
        labelsOf(side).consideration->repaint();
    });
    connect(game, &GameClock::totalTimeChanged, this,
            [this] { totalTimeLabel->setText(game_.totalTimeText()); });
    connect(game, &GameClock::turnChanged, this, [this] { turnLabel->setText(game_.turnText()); });
    connect(game, &GameClock::moveNumberChanged, this,
            [this] { moveNumberLabel->setText(game_.moveNumberText()); });
    connect(game, &GameClock::playStateChanged, this, &MainWindow::showPlayState);
    connect(game, &GameClock::runningChanged, tickTimer, &UiTimer::setEnabled);
    connect(game, &GameClock::timeOutReached, this, [this] {
        timeOutTimer->setInterval(kTimeOutQuestionDelayMs);
        timeOutTimer->setEnabled(true);
    });
    connect(game, &GameClock::gameEnded, this, &MainWindow::showGameEnd);
}

bool MainWindow::startUp() {
    setOuterHeight(this, kOuterHeightTwips, Sizing::Minimum);
    // The face's designed height is what the designed window leaves under the menu bar.
    const int faceHeight = designedClientHeight(kOuterHeightTwips) - menuBar()->sizeHint().height();
    faceFrame->setFace(face, QSize(px(kClientWidthTwips), faceHeight));
    if (const QString failed = showPieces(); !failed.isEmpty()) {
        services_.messageBoxes.ask(
            this, {QStringLiteral("駒の画像ファイル \"%1\" を読み込めません。").arg(failed),
                   QString::fromUtf8(app_info::kTitle), MessageBoxRequest::Buttons::Ok,
                   MessageBoxRequest::Icon::Critical});
        return false;
    }
    hintLabel->setText(game_.playState().hint);
    game_.loadPlayers(readPlayersFile());
    centreOnScreen(this);
    return true;
}

QString MainWindow::showPieces() {
    const auto pictures = PiecePictures::read();
    if (const QString* failed = std::get_if<QString>(&pictures))
        return *failed;
    const auto& [sente, gote] = std::get<PiecePictures>(pictures);
    for (const Side side : kBothSides) {
        const bool isSente = side == game_.senteSide();
        const SideLabels labels = labelsOf(side);
        labels.picture->setPicture(isSente ? sente : gote);
        for (Label* label : labels.onPicture)
            label->setTextColor(bgrColor(isSente ? kSenteTextColor : kGoteTextColor));
    }
    return {};
}

void MainWindow::showPlayState() {
    const PlayState& state = game_.playState();
    settingsAction->setEnabled(state.settingsOpen);
    pauseAction->setEnabled(state.pauseOpen);
    pauseAction->setText(state.pauseCaption);
    resignAction->setEnabled(state.resignOpen);
    repetitionDrawAction->setEnabled(state.repetitionDrawOpen);
    hintLabel->setText(state.hint);
    movesToSayEdit->setEnabled(state.moveCountTestOpen);
    sayMovesButton->setEnabled(state.moveCountTestOpen);
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
                                             MessageBoxRequest::Default::Cancel}) == kAnswerOk;
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
    timeOutTimer->setEnabled(false);
    timeOutTimer->setInterval(0);
    if (!game_.awaitingTimeOutAnswer())
        return;
    const QString loser = game_.name(game_.sideToMove());
    const int answer = services_.messageBoxes.ask(
        this, {loser + QStringLiteral("本当に終了しますか？"), QStringLiteral("終了"),
               MessageBoxRequest::Buttons::OkCancel, MessageBoxRequest::Icon::Warning,
               MessageBoxRequest::Default::Cancel});
    if (answer == kAnswerOk) {
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
    KeysDialog keys(this);
    keys.exec();
}

void MainWindow::sayTypedMoveCount() {
    voice_.result(toDecimal(movesToSayEdit->text()), Outcome::SenteWins);
}

void MainWindow::shutDown() {
    game_.abandon();
    services_.audio.command(AudioCommand::CloseDevice);
    services_.process.end(EXIT_SUCCESS);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    shutDown();
    QMainWindow::closeEvent(event);
}
