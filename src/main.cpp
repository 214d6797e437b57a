#include "core/game_clock.h"
#include "core/move_record.h"
#include "gui/main_window.h"
#include "gui/widgets/fonts.h"
#include "system/command_line.h"
#include "system/quit_signals.h"
#include "system/start_up_messages.h"
#include "system_services.h"

#include <QApplication>
#include <optional>

int main(int argc, char* argv[]) {
    describeApplication();
    // Before QApplication, which needs a display that --help and --version don't.
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    std::optional<StartUpMessages> startUpMessages(std::in_place);
    QApplication app(argc, argv);
    startUpMessages.reset();
    installDefaultFont();
    warnWithoutJapaneseFont();
    SystemServices system;
    GameClock game(system.services.wallClock, system.services.audio);
    // Before the window's connections: a game's last row is written before its end shows.
    MoveRecord moveRecord(game, system.services.wallClock);
    MainWindow window(game, moveRecord, system.services);
    if (!window.startUp())
        return EXIT_FAILURE;
    const QuitSignals quitSignals([&window] { window.close(); });
    window.show();
    return app.exec();
}
