// Runs the real main window with the real timer on the real wall clock and measures how late
// after each change of the wall clock's second the tick counts it, for tick timer intervals of
// 1000, 500 and 200 ms, with the timer woken at each change of second and, as the baseline,
// with plain polling at the interval. Also reports the process's CPU use while running.
//
//   cd data && QT_QPA_PLATFORM=offscreen ../build/bench/tick-lateness [seconds per run]

#include "gui/main_window.h"
#include "gui/settings_dialog.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/ui_timer.h"
#include "system_services.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void run(MainWindow& w, const WallClock& clock, int interval, bool aligned, int seconds) {
    w.tickTimer->followSecondsOf(aligned ? &clock : nullptr);
    std::vector<int> lateness;
    ClockTime counted = w.game().totalTime();
    QEventLoop loop;
    const auto connection = QObject::connect(w.tickTimer, &UiTimer::timeout, [&] {
        if (w.game().totalTime() == counted)
            return;
        counted = w.game().totalTime();
        lateness.push_back(clock.timeOfDay().msec());
        w.tickTimer->setInterval(interval); // after the tick's own first-second change
        if (static_cast<int>(lateness.size()) > seconds)
            loop.quit();
    });
    const double cpuBefore = cpuSeconds();
    const QTime wallBefore = QTime::currentTime();
    loop.exec();
    const double cpu = cpuSeconds() - cpuBefore;
    const double wall = wallBefore.msecsTo(QTime::currentTime()) / 1000.0;
    QObject::disconnect(connection);
    lateness.erase(lateness.begin()); // the first second ran at the designed interval
    std::sort(lateness.begin(), lateness.end());
    const auto at = [&](double q) {
        return lateness[static_cast<std::size_t>(q * (lateness.size() - 1))];
    };
    std::printf("%-18s %5d ms  %4zu s   median %4d ms   p99 %4d ms   worst %4d ms   CPU %.2f%%\n",
                aligned ? "second-aligned" : "plain polling", interval, lateness.size(), at(0.5),
                at(0.99), lateness.back(), 100 * cpu / wall);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installDefaultFont();
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    SystemServices system; // without a sound card (or with SDL_AUDIODRIVER=dummy) it is silent
    GameClock game(system.services.wallClock, system.services.audio);
    MoveRecord moveRecord(game, system.services.wallClock);
    MainWindow w(game, moveRecord, system.services);
    if (!w.startUp())
        return 1;
    // Five hours of main time on each side: the interval stays where each run sets it.
    w.settings.get().leftHoursEdit->setText(QStringLiteral("5"));
    w.settings.get().rightHoursEdit->setText(QStringLiteral("5"));
    w.settings.get().start();
    std::printf("%-18s %8s  %6s   lateness after the change of second\n", "timer", "interval",
                "count");
    for (const bool aligned : {false, true})
        for (const int interval : {1000, 500, 200})
            run(w, system.wallClock, interval, aligned, seconds);
}
