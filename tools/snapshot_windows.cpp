// Renders the clock's windows offscreen to PNG files in the given folder, started in a
// working folder that holds bmp/ (and a players file), so the layouts can be looked at.
//
//   cd data && ../build/tools/snapshot-windows /tmp/shots

#include "core/game_clock.h"
#include "gui/about_dialog.h"
#include "gui/clock_face.h"
#include "gui/correction_dialog.h"
#include "gui/key_settings_dialog.h"
#include "gui/keys_dialog.h"
#include "gui/main_window.h"
#include "gui/pause_dialog.h"
#include "gui/result_dialog.h"
#include "gui/settings_dialog.h"
#include "gui/toss_dialog.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/ui_timer.h"
#include "system_services.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <cstdio>

namespace {

bool save(QWidget* window, const QDir& folder, const char* name) {
    window->show();
    QApplication::processEvents();
    return window->grab().save(folder.filePath(QString::fromUtf8(name) + ".png"));
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installDefaultFont();
    if (argc != 2) {
        std::fprintf(stderr, "usage: snapshot-windows <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // The designed windows, whatever the user's settings file remembers; none is written.
    const QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
    SystemServices system;
    GameClock game(system.services.wallClock, system.services.audio);
    MoveRecord moveRecord(game, system.services.wallClock);
    MainWindow main(game, moveRecord, system.services);
    if (!main.startUp())
        return 1;
    AboutDialog about(&main);
    KeysDialog keys(main.input().options(), &main);
    KeySettingsDialog keySettings(main.input(), &main);
    bool ok = save(&main, folder, "main_window") && save(&about, folder, "about_dialog") &&
              save(&keys, folder, "keys_dialog") &&
              save(&keySettings, folder, "key_settings_dialog");
    keySettings.record(Side::Left);
    QKeyEvent resignKey(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
    QWidget* focus = keySettings.focusWidget();
    QApplication::sendEvent(focus ? focus : &keySettings, &resignKey); // refused, saying why
    ok = ok && save(&keySettings, folder, "key_settings_dialog-refused");
    keySettings.hide();
    SettingsDialog& settings = main.settings.get();
    for (const auto& [offered, name] :
         {std::pair{false, "settings_dialog-5200"}, {true, "settings_dialog-6050"}}) {
        settings.offerDraw(offered);
        ok = ok && save(&settings, folder, name);
        settings.hide();
    }
    // The time controls without byoyomi, each on a clock of its own shown by a face of its own.
    std::vector<std::unique_ptr<GameClock>> otherGames;
    for (const auto& [control, name] :
         {std::pair{TimeControl::Fischer, "fischer"}, {TimeControl::SuddenDeath, "sudden-death"}}) {
        settings.modeBox->setCurrentIndex(int(control));
        const QString suffix = QString::fromLatin1(name);
        ok = ok && save(&settings, folder, qPrintable("settings_dialog-" + suffix));
        GameClock& other = *otherGames.emplace_back(
            std::make_unique<GameClock>(system.services.wallClock, system.services.audio));
        ClockFace face(other, nullptr);
        other.startGame(settings.settings()); // shown by the face's connections
        face.setDesignedHeight(main.clockFace->height());
        face.resize(main.clockFace->size());
        face.showPieces();
        CorrectionDialog correction(other, system.messageBoxes, &main);
        ok = ok && save(&face, folder, qPrintable("clock_face-" + suffix)) &&
             save(&correction, folder, qPrintable("correction_dialog-" + suffix));
    }
    settings.hide();
    settings.modeBox->setCurrentIndex(int(TimeControl::Byoyomi));
    settings.start(); // a game with the dialog's defaults, to fill the game windows
    PauseDialog& pause = main.pauseDialog.get();
    pause.showSnapshot();
    GameResult result = main.game().result();
    result.outcome = Outcome::SenteWins;
    result.resigned = true;
    result.movesPlayed = 97;
    ResultDialog resultDialog(result.summary(system.wallClock.todayShortText()),
                              system.messageBoxes, &main);
    ok = ok && save(&pause, folder, "pause_dialog") && save(&resultDialog, folder, "result_dialog");
    CorrectionDialog correction(main.game(), system.messageBoxes, &pause);
    ok = ok && save(&correction, folder, "correction_dialog");
    pause.hide();
    main.resize(1920, 1080); // the face as a full-HD screen shows it
    ok = ok && save(&main, folder, "main_window-1920x1080");

    // The piece toss at a few steps of its animation, driven step by step.
    TossDialog toss(Side::Left, system.random, &settings);
    toss.animationTimer->setActive(false);
    int step = 0;
    for (const int shot : {0, 1, 2, 3, 30, 66, 74, 91}) {
        for (; step < shot && !toss.closeTimer->isActive(); ++step)
            toss.animateStep();
        ok = ok && save(&toss, folder, qPrintable(QStringLiteral("toss_dialog-%1").arg(shot)));
    }
    return ok ? 0 : 1;
}
