#include "core/players_file.h"
#include "gui/clock_face.h"
#include "gui/main_window.h"
#include "gui/pause_dialog.h"
#include "gui/result_dialog.h"
#include "gui/widgets/drawing.h"
#include "gui/widgets/label.h"
#include "gui/widgets/scaled_picture.h"
#include "gui/widgets/ui_timer.h"
#include "support/face_folder.h"
#include "support/focus.h"
#include "support/game.h"
#include "support/modal.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kPlayers = QString::fromUtf8(kPlayersFile);

Qt::Key moveKeyOf(Side side) {
    return side == Side::Left ? Qt::Key_Space : Qt::Key_Return;
}

class MainWindowStartUp : public testing::Test {
protected:
    // A fresh main window started up in the working folder as it stands.
    MainWindow& load() {
        window.reset();
        model = std::make_unique<OwnedGame>(fakes.wallClock, fakes.audio);
        window = std::make_unique<MainWindow>(model->game, model->record, fakes.services);
        loaded = window->startUp();
        return *window;
    }

    FaceFolder folder;
    FakeServices fakes;
    std::unique_ptr<OwnedGame> model;
    std::unique_ptr<MainWindow> window;
    bool loaded = false;
};

// A started-up main window with 左 and 右 as the players' names.
class MainWindowInPlay : public testing::Test {
protected:
    MainWindowInPlay() {
        folder.write(kPlayers, cp932(QStringLiteral("左\r\n右\r\n")));
        EXPECT_TRUE(w.startUp());
    }

    FaceFolder folder;
    FakeServices fakes;
    OwnedGame model{fakes.wallClock, fakes.audio};
    MainWindow w{model.game, model.record, fakes.services};
    GameDriver drive = driverOf(w, fakes.wallClock);
};

} // namespace

TEST_F(MainWindowStartUp, ShowsTheDesignedCaptionsWithTheHintAndNames) {
    folder.write(kPlayers, cp932(QStringLiteral("先手 一\r\n後手 二\r\n")));
    MainWindow& w = load();
    ASSERT_TRUE(loaded);
    const struct {
        const char* label;
        const char* caption;
    } rows[] = {
        {"Lblt1", "0:15:00"},    {"Lblt2", "0:15:00"},      {"Lblt11S", "30"},
        {"Lblt12S", "30"},       {"Lblk1", "10"},           {"Lblk2", "10"},
        {"Lblt11", "0"},         {"Lblt12", "0"},           {"Lblteme", "1手目"},
        {"Lblteban3", "先手番"}, {"lblTT1", "0:00:00"},     {"Lblteban1", "先手"},
        {"Lblteban2", "後手"},   {"Label4", "S：対局設定"}, {"Lblna1", "先手 一"},
        {"Lblna2", "後手 二"},   {"Label2", "(Space Key)"}, {"Label3", "(Enter Key)"},
        {"Lblvs", "VS"},         {"Label1", "TOTAL"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(w.findChild<Label*>(row.label)->text(), QString::fromUtf8(row.caption))
            << row.label;
    EXPECT_EQ(w.windowTitle(), "バンクロ７");
    // Before a game, the face and the model agree.
    EXPECT_EQ(w.clockFace->leftMainTimeLabel->text(), w.game().mainTimeText(Side::Left));
}

TEST_F(MainWindowStartUp, ColoursThePieceLabelsAndShowsThePictures) {
    MainWindow& w = load();
    for (const char* name : {"Lblk1", "LblH1", "LblN1"})
        EXPECT_EQ(w.findChild<Label*>(name)->textColor(), QColor(0xC0, 0xFF, 0xFF)) << name;
    for (const char* name : {"Lblk2", "LblH2", "LblN2"})
        EXPECT_EQ(w.findChild<Label*>(name)->textColor(), QColor(0x00, 0x00, 0x80)) << name;
    EXPECT_EQ(w.clockFace->leftPiecePicture->pixmap().toImage().pixelColor(100, 100),
              QColor(Qt::darkRed));
    EXPECT_EQ(w.clockFace->rightPiecePicture->pixmap().toImage().pixelColor(100, 100),
              QColor(Qt::yellow));
    EXPECT_EQ(w.clockFace->leftPiecePicture->geometry(), QRect(112, 208, 201, 209));
    EXPECT_EQ(w.clockFace->leftConsiderationLabel->parentWidget(), w.clockFace->leftPiecePicture);
    EXPECT_EQ(w.clockFace->rightConsiderationLabel->parentWidget(), w.clockFace->rightPiecePicture);
}

TEST_F(MainWindowStartUp, ShowsThePlayersFileAsItIsWritten) {
    const QString designed1 = QString::fromUtf8(kSampleName1);
    const QString designed2 = QString::fromUtf8(kSampleName2);
    const struct {
        const char* what;
        std::optional<QByteArray> file;
        QString name1;
        QString name2;
    } rows[] = {
        {"no file", std::nullopt, designed1, designed2},
        {"one line", cp932(QStringLiteral("一人目\r\n")), QStringLiteral("一人目"), designed2},
        {"blank first line", QByteArray("\r\nB\r\n"), QString(), QStringLiteral("B")},
        {"more than two lines", cp932(QStringLiteral("甲\r\n乙\r\n丙\r\n丁\r\n")),
         QStringLiteral("甲"), QStringLiteral("乙")},
        {"UTF-8 with LF", QStringLiteral("表示\n能力\n").toUtf8(), QStringLiteral("表示"),
         QStringLiteral("能力")},
        {"empty file", QByteArray(), designed1, designed2},
        {"control characters",
         QByteArray("\x01"
                    "A\0 a\t\rB\x7f b\x1b\r\n",
                    14),
         "A a", "B b"},
        {"markup", QByteArray("<b>X</b>\r\n<img src=x>\r\n"), "<b>X</b>", "<img src=x>"},
    };
    for (const auto& row : rows) {
        if (row.file)
            folder.write(kPlayers, *row.file);
        else
            folder.remove(kPlayers);
        MainWindow& w = load();
        EXPECT_EQ(w.clockFace->leftNameLabel->text(), row.name1) << row.what;
        EXPECT_EQ(w.clockFace->rightNameLabel->text(), row.name2) << row.what;
        EXPECT_EQ(w.clockFace->leftNameLabel->textFormat(), Qt::PlainText);
        EXPECT_EQ(w.clockFace->rightNameLabel->textFormat(), Qt::PlainText);
    }
}

// A FIFO in a picture's place would hang the read for good: it counts as missing.
TEST_F(MainWindowStartUp, AMissingPictureIsReportedByNameAndStopsStartUp) {
    for (const bool fifo : {false, true})
        for (const char* missing : {"bmp/Skoma.bmp", "bmp/Gkoma.bmp"}) {
            FaceFolder fresh;
            fresh.write(kPlayers, QByteArray("A\r\nB\r\n"));
            if (fifo)
                fresh.makeFifo(QString::fromUtf8(missing));
            else
                fresh.remove(QString::fromUtf8(missing));
            fakes.messageBoxes.asked.clear();
            MainWindow& w = load();
            EXPECT_FALSE(loaded);
            ASSERT_EQ(fakes.messageBoxes.asked.size(), 1u);
            const MessageBoxRequest& told = fakes.messageBoxes.asked[0];
            EXPECT_TRUE(told.text.contains(QString::fromUtf8(missing))) << missing;
            EXPECT_EQ(told.icon, MessageBoxRequest::Icon::Critical);
            EXPECT_NE(w.clockFace->hintLabel->text(), "S：対局設定"); // no later step ran
            EXPECT_NE(w.clockFace->leftNameLabel->text(), "A");
        }
}

namespace {

// Every colour of the face, as the texts and the background show them.
QStringList faceColours(const MainWindow& w) {
    QStringList colours{w.clockFace->face->palette().color(QPalette::Window).name()};
    for (const Label* label : w.findChildren<Label*>())
        colours << label->objectName() + ' ' + label->textColor().name();
    return colours;
}

} // namespace

TEST_F(MainWindowStartUp, TheFaceLooksTheSameUnderADarkTheme) {
    const QStringList usual = faceColours(load());
    EXPECT_TRUE(usual.contains("Lblt1 #000000"));
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    EXPECT_EQ(faceColours(load()), usual);
    QApplication::setPalette(before);
}

TEST_F(MainWindowStartUp, HasTheIdleMenusTimersAndHiddenControls) {
    MainWindow& w = load();
    const QMenu* game = w.findChild<QMenu*>("mnuTaikyoku");
    const QMenu* help = w.findChild<QMenu*>("mnuHelp");
    const struct {
        QAction* action;
        const char* name;
        const char* caption;
        bool enabled;
        bool visible;
    } rows[] = {
        {w.settingsAction, "mnuHenkou", "対局設定(S)", true, true},
        {w.keySettingsAction, "keySettings", "キー設定", true, true},
        {w.pauseAction, "mnuKaisi", "対局中断(P)", false, true},
        {w.resignAction, "mnuTouryou", "投了", false, false},
        {w.repetitionDrawAction, "mnuSenniti", "千日手", false, false},
        {w.fullScreenAction, "fullScreen", "全画面表示", true, false},
        {w.exitAction, "syuryou", "終了", true, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.action->objectName(), row.name);
        EXPECT_EQ(row.action->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(row.action->isEnabled(), row.enabled) << row.name;
        EXPECT_EQ(game->actions().contains(row.action), row.visible) << row.name;
    }
    EXPECT_EQ(help->actions(), (QList<QAction*>{w.keysAction, w.aboutAction}));
    EXPECT_EQ(w.keysAction->text(), "操作方法");
    EXPECT_EQ(w.aboutAction->text(), "バージョン情報");
    const QAction* separator = w.findChild<QAction*>("mnuSps2");
    ASSERT_NE(separator, nullptr);
    EXPECT_TRUE(separator->isSeparator());
    EXPECT_EQ(game->actions().indexOf(separator), 3); // between the pause and exit entries
    const QList<QAction*> bar = w.menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "対局");
    EXPECT_EQ(bar[1]->text(), "ヘルプ");

    EXPECT_FALSE(w.tickTimer->isActive());
    EXPECT_EQ(w.tickTimer->interval(), 1000);
    EXPECT_FALSE(w.timeOutTimer->isActive());
    EXPECT_EQ(w.timeOutTimer->interval(), 0);

    w.show();
    QApplication::processEvents(); // the height is measured again once the window is framed
    EXPECT_TRUE(w.clockFace->sayMovesButton->isHidden());
    EXPECT_TRUE(w.clockFace->movesToSayEdit->isHidden());
    EXPECT_EQ(w.clockFace->movesToSayEdit->maxLength(), 3);
    // 8630 twips, less the title bar and borders the layout was designed with.
    EXPECT_EQ(w.height(), 575 - 31);
}

TEST_F(MainWindowStartUp, HiddenMenuEntriesNeverAppearInTheMenu) {
    MainWindow& w = load();
    w.show();
    QMenu* game = w.findChild<QMenu*>("mnuTaikyoku");
    game->popup(QPoint(0, 0));
    QApplication::processEvents();
    for (QAction* hidden : {w.resignAction, w.repetitionDrawAction})
        EXPECT_TRUE(game->actionGeometry(hidden).isEmpty()) << hidden->text().toStdString();
    EXPECT_FALSE(game->actionGeometry(w.settingsAction).isEmpty());
    game->close();
}

// The test button and its box are hidden; a key must not reach them unseen.
TEST_F(MainWindowStartUp, NothingOutOfViewTakesTheFocus) {
    MainWindow& w = load();
    w.show();
    const auto reached = reachedByTab(w);
    EXPECT_FALSE(reached.count(w.clockFace->sayMovesButton));
    EXPECT_FALSE(reached.count(w.clockFace->movesToSayEdit));
    pressKey(w, Qt::Key_Space);
    EXPECT_TRUE(fakes.audio.clips().empty());
}

using MoveKeys = MainWindowInPlay;

TEST_F(MoveKeys, SpaceAndEnterPassTheTurnAndShowTheMoveNumber) {
    startGame(w);
    pressKey(w, Qt::Key_Space);
    EXPECT_EQ(w.clockFace->turnLabel->text(), "後手番");
    EXPECT_EQ(w.clockFace->moveNumberLabel->text(), "2手目");
    pressKey(w, Qt::Key_Return);
    EXPECT_EQ(w.clockFace->turnLabel->text(), "先手番");
    EXPECT_EQ(w.clockFace->moveNumberLabel->text(), "3手目");
    EXPECT_EQ(w.clockFace->leftRoleLabel->text(), "先手"); // each side's role stays
    EXPECT_EQ(w.clockFace->rightRoleLabel->text(), "後手");
}

TEST_F(MoveKeys, TheOtherSidesKeyOnlyRewritesTheMoveNumber) {
    startGame(w);
    pressKey(w, Qt::Key_Space);
    w.clockFace->moveNumberLabel->setText("x");
    w.clockFace->turnLabel->setText("x");
    pressKey(w, Qt::Key_Space); // the right side is to move
    EXPECT_EQ(w.clockFace->moveNumberLabel->text(), "2手目");
    EXPECT_EQ(w.clockFace->turnLabel->text(), "x");
    EXPECT_EQ(w.game().sideToMove(), Side::Right);
}

TEST_F(MoveKeys, AHeldKeyPassesTheTurnOnlyOnce) {
    startGame(w);
    pressKey(w, Qt::Key_Space);
    pressKey(w, Qt::Key_Return);
    pressKey(w, Qt::Key_Space, true); // the left side's key still held from its last move
    EXPECT_EQ(w.clockFace->turnLabel->text(), "先手番");
    EXPECT_EQ(w.clockFace->moveNumberLabel->text(), "3手目");
}

TEST_F(MoveKeys, AMoveInByoyomiShowsTheFreshPeriod) {
    startGame(w, {.leftMinutes = 0, .leftConsideration = "0"});
    drive.seconds(17);
    ASSERT_EQ(w.clockFace->leftPeriodLabel->text(), "17");
    pressKey(w, Qt::Key_Space);
    EXPECT_EQ(w.clockFace->leftPeriodLabel->text(), w.game().periodText(Side::Left));
    EXPECT_NE(w.clockFace->leftPeriodLabel->text(), "17");
}

// Alt alone hands the keyboard to the menu bar, which would then take Space and Enter: during
// a game only the mouse opens the menus.
TEST_F(MoveKeys, AltAloneReachesTheMenuBarOnlyWhileNoGameIsOn) {
    w.show();
    QApplication::setActiveWindow(&w);
    const auto tapAlt = [this] {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
        QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        for (QKeyEvent* event : {&override, &press, &release})
            QApplication::sendEvent(target, event);
        return w.menuBar()->activeAction() != nullptr;
    };
    ASSERT_TRUE(tapAlt()); // while idle the menus take the keyboard
    tapAlt();
    ASSERT_EQ(w.menuBar()->activeAction(), nullptr);
    startGame(w);
    EXPECT_FALSE(tapAlt());
    pressKey(w, Qt::Key_Space);
    pressKey(w, Qt::Key_Return);
    EXPECT_EQ(w.clockFace->moveNumberLabel->text(), "3手目");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

using Tick = MainWindowInPlay;

// How seconds are counted is the model's to test; the window's timer drives the count while
// the clock runs, and every label shows the model's value as it changes.
TEST_F(Tick, TheTimerDrivesTheCountAndTheLabelsShowTheModelsValues) {
    startGame(w, {.leftMinutes = 1, .leftByoyomi = 10, .leftConsideration = "1"});
    const GameClock& game = w.game();
    const auto expectShown = [&](int line) {
        const ClockFace& face = *w.clockFace;
        const std::pair<Label*, QString> shown[] = {
            {face.leftMainTimeLabel, game.mainTimeText(Side::Left)},
            {face.leftPeriodLabel, game.periodText(Side::Left)},
            {face.leftConsiderationLabel, game.considerationText(Side::Left)},
            {face.rightMainTimeLabel, game.mainTimeText(Side::Right)},
            {face.totalTimeLabel, game.totalTimeText()},
        };
        for (const auto& [label, text] : shown)
            EXPECT_EQ(label->text(), text) << label->objectName().toStdString() << ", " << line;
    };
    EXPECT_TRUE(w.tickTimer->isActive());
    EXPECT_EQ(w.tickTimer->interval(), 1000);
    for (const int seconds : {1, 60, 9}) { // into the byoyomi, then the consideration minute
        drive.seconds(seconds);
        expectShown(__LINE__);
    }
    EXPECT_EQ(game.totalTime(), ClockTime::fromSeconds(70));
    EXPECT_EQ(game.considerationText(Side::Left), "0");

    w.game().pause();
    EXPECT_FALSE(w.tickTimer->isActive());
    w.game().resume();
    EXPECT_TRUE(w.tickTimer->isActive());

    drive.seconds(60);
    expectShown(__LINE__);
    EXPECT_TRUE(game.awaitingTimeOutAnswer());
    EXPECT_EQ(game.mainTimeText(Side::Right), "0:15:00"); // the side not to move untouched
    EXPECT_FALSE(w.tickTimer->isActive());
    EXPECT_TRUE(w.timeOutTimer->isActive());
    EXPECT_EQ(w.timeOutTimer->interval(), 3000);
}

namespace {

class TimeOut : public MainWindowInPlay {
protected:
    // Starts a game in which the loser runs out after its byoyomi, with no main time.
    void runOut(Side senteSide, Side loser, int byoyomi = 10) {
        startGame(w, {.leftMinutes = 0,
                      .rightMinutes = 0,
                      .leftByoyomi = byoyomi,
                      .rightByoyomi = byoyomi,
                      .leftConsideration = "0",
                      .rightConsideration = "0",
                      .senteSide = senteSide});
        if (w.game().sideToMove() != loser)
            pressKey(w, moveKeyOf(w.game().sideToMove()));
        for (int s = 0; s < 100 && w.game().running(); ++s)
            drive.seconds(1);
        ASSERT_TRUE(w.timeOutTimer->isActive());
        fakes.messageBoxes.asked.clear();
        fakes.audio.log.clear();
    }

    // Three seconds after the time-out.
    void timeOutTimerFires() { emit w.timeOutTimer->timeout(); }

    // Tries every way of pausing or resuming and of ending the game from the keyboard; any
    // window one of them opens is closed again and counted.
    int tryToRevive() {
        int opened = 0;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&opened] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++opened;
                modal->close();
            }
        });
        closer.start(5);
        QApplication::setActiveWindow(&w);
        pressKey(w, Qt::Key_P);
        w.pauseAction->trigger();
        for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F4, Qt::Key_F5})
            QTest::keyClick(&w, key);
        w.pauseDialog.get().resume();
        return opened;
    }
};

} // namespace

TEST_F(TimeOut, OkToTheQuestionEndsTheGameAndOffersTheResult) {
    const struct {
        Side senteSide;
        Side loser;
        const char* question;
        const char* message;
    } rows[] = {
        {Side::Left, Side::Left, "左本当に終了しますか？", "0手にて後手 右の勝ちです。"},
        {Side::Left, Side::Right, "右本当に終了しますか？", "1手にて先手 左の勝ちです。"},
    };
    for (const auto& row : rows) {
        runOut(row.senteSide, row.loser);
        bool resultOffered = false;
        onModal<ResultDialog>([&resultOffered](ResultDialog& dialog) {
            resultOffered = true;
            dialog.reject();
        });
        timeOutTimerFires();
        ASSERT_EQ(fakes.messageBoxes.asked.size(), 2u);
        const MessageBoxRequest& ask = fakes.messageBoxes.asked[0];
        EXPECT_EQ(ask.text, QString::fromUtf8(row.question));
        EXPECT_EQ(ask.title, "終了");
        EXPECT_EQ(ask.buttons, MessageBoxRequest::Buttons::OkCancel);
        EXPECT_EQ(ask.icon, MessageBoxRequest::Icon::Warning);
        EXPECT_EQ(ask.defaultButton, MessageBoxRequest::Default::Cancel);
        EXPECT_EQ(fakes.messageBoxes.asked[1].text, QString::fromUtf8(row.message));
        EXPECT_TRUE(resultOffered);
        EXPECT_FALSE(w.timeOutTimer->isActive());
        EXPECT_EQ(w.timeOutTimer->interval(), 0);
        EXPECT_FALSE(w.pauseAction->isEnabled());
        EXPECT_TRUE(w.settingsAction->isEnabled());
    }
}

TEST_F(TimeOut, CancelGivesTenSecondsBackAndTheClockRunsOn) {
    runOut(Side::Left, Side::Left, 30);
    fakes.messageBoxes.answers = {QDialog::Rejected, QDialog::Accepted};
    timeOutTimerFires();
    ASSERT_EQ(fakes.messageBoxes.asked.size(), 2u);
    EXPECT_EQ(fakes.messageBoxes.asked[1].text, "10秒戻します");
    EXPECT_EQ(fakes.messageBoxes.asked[1].title, "戻します");
    EXPECT_EQ(fakes.messageBoxes.asked[1].buttons, MessageBoxRequest::Buttons::Ok);
    EXPECT_EQ(w.clockFace->leftPeriodLabel->text(), "20");
    EXPECT_TRUE(w.tickTimer->isActive());
    EXPECT_FALSE(w.timeOutTimer->isActive());
    EXPECT_TRUE(w.pauseAction->isEnabled()); // the game can be paused again
    drive.seconds(1);
    EXPECT_EQ(w.clockFace->leftPeriodLabel->text(), "21");
}

TEST_F(TimeOut, TheTimerWithoutATimeOutOnlyDisarms) {
    startGame(w);
    w.timeOutTimer->setInterval(3000);
    w.timeOutTimer->setActive(true);
    timeOutTimerFires();
    EXPECT_FALSE(w.timeOutTimer->isActive());
    EXPECT_EQ(w.timeOutTimer->interval(), 0);
    EXPECT_TRUE(fakes.messageBoxes.asked.empty());
    EXPECT_TRUE(w.tickTimer->isActive());
}

TEST_F(TimeOut, NothingButTheQuestionActsOnTheGameAndAnEndedGameStaysEnded) {
    w.show();
    runOut(Side::Left, Side::Left);
    const QString total = w.clockFace->totalTimeLabel->text();
    EXPECT_EQ(tryToRevive(), 0);
    EXPECT_TRUE(fakes.messageBoxes.asked.empty());
    EXPECT_TRUE(fakes.audio.log.empty());
    EXPECT_FALSE(w.tickTimer->isActive());
    EXPECT_TRUE(w.timeOutTimer->isActive());
    EXPECT_TRUE(w.game().awaitingTimeOutAnswer());

    onModal<ResultDialog>([](ResultDialog& dialog) { dialog.reject(); });
    timeOutTimerFires();
    ASSERT_EQ(w.game().outcome(), Outcome::GoteWins);
    fakes.messageBoxes.asked.clear();
    fakes.audio.log.clear();
    EXPECT_EQ(tryToRevive(), 0);
    EXPECT_TRUE(fakes.messageBoxes.asked.empty());
    EXPECT_TRUE(fakes.audio.log.empty());
    EXPECT_FALSE(w.tickTimer->isActive());
    drive.seconds(1);
    EXPECT_EQ(w.clockFace->totalTimeLabel->text(), total);
}
