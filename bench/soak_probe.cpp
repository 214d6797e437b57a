// The clock as it runs in a long game, for bench/soak.sh: the real main window and services,
// a game started with the dialog's defaults, driven from outside by key presses. Once a minute
// it prints its resident memory, how often its threads woke, and how late after the change of
// the wall clock's second each second of that minute was counted.
//
//   soak-probe <minutes>   (in a working folder holding bmp/ and sound/)

#include "core/game_clock.h"
#include "gui/main_window.h"
#include "gui/settings_dialog.h"
#include "gui/widgets/fonts.h"
#include "system_services.h"
#include "wake_ups.h"

#include <QApplication>
#include <QFile>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

long long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installDefaultFont();
    const int minutes = argc > 1 ? std::atoi(argv[1]) : 120;
    SystemServices system;
    GameClock game(system.services.wallClock, system.services.audio);
    MoveRecord moveRecord(game, system.services.wallClock);
    MainWindow window(game, moveRecord, system.services);
    if (!window.startUp())
        return 1;
    window.show();
    window.settings.get().start();

    std::vector<int> lateness;
    QObject::connect(&window.game(), &GameClock::totalTimeChanged, &app,
                     [&] { lateness.push_back(QTime::currentTime().msec()); });
    std::printf("minute  RSS KiB  wake-ups  seconds  median ms  p99 ms  worst ms\n");
    int minute = 0;
    long long switches = contextSwitches();
    QTimer everyMinute;
    QObject::connect(&everyMinute, &QTimer::timeout, &app, [&] {
        std::sort(lateness.begin(), lateness.end());
        const auto at = [&](double q) {
            return lateness.empty() ? -1 : lateness[std::size_t(q * double(lateness.size() - 1))];
        };
        const long long now = contextSwitches();
        std::printf("%6d  %7lld  %8lld  %7zu  %9d  %6d  %8d\n", ++minute, residentKiB(),
                    now - switches, lateness.size(), at(0.5), at(0.99),
                    lateness.empty() ? -1 : lateness.back());
        std::fflush(stdout);
        switches = now;
        lateness.clear();
        if (minute >= minutes)
            app.quit();
    });
    everyMinute.start(60'000);
    return app.exec();
}
