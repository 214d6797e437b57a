// Runs the real main window with the real timer on the real wall clock and measures how late
// after each change of the wall clock's second the tick counts it, for Timer1 intervals of
// 1000, 500 and 200 ms, with the timer woken at each change of second and, as the baseline,
// with plain polling at the interval. Also reports the process's CPU use while running.
//
//   cd data && QT_QPA_PLATFORM=offscreen ../build/bench/tick-lateness [seconds per run]

#include "clock/main_window.h"
#include "platform/fonts.h"
#include "platform/system_platform.h"
#include "platform/ui_timer.h"

#include <QApplication>
#include <QEventLoop>
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

void run(frmMain& w, const WallClock& clock, int interval, bool aligned, int seconds) {
    w.t1 = w.t2 = ClockTime::fromHms(5, 0, 0); // main time throughout: the interval stays
    w.Timer1->followSecondsOf(aligned ? &clock : nullptr);
    w.Timer1->setEnabled(true);
    std::vector<int> lateness;
    ClockTime counted = w.TT1;
    QEventLoop loop;
    const auto connection = QObject::connect(w.Timer1, &UiTimer::timer, [&] {
        if (w.TT1 == counted)
            return;
        counted = w.TT1;
        lateness.push_back(clock.timeOfDay().msec());
        w.Timer1->setInterval(interval); // after the tick's own first-second change
        if (static_cast<int>(lateness.size()) > seconds)
            loop.quit();
    });
    const double cpuBefore = cpuSeconds();
    const QTime wallBefore = QTime::currentTime();
    loop.exec();
    const double cpu = cpuSeconds() - cpuBefore;
    const double wall = wallBefore.msecsTo(QTime::currentTime()) / 1000.0;
    QObject::disconnect(connection);
    w.Timer1->setEnabled(false);
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
    SystemPlatform system; // without a sound card (or with SDL_AUDIODRIVER=dummy) it is silent
    frmMain w(system.platform);
    if (!w.Form_Load())
        return 1;
    std::printf("%-18s %8s  %6s   lateness after the change of second\n", "timer", "interval",
                "count");
    for (const bool aligned : {false, true})
        for (const int interval : {1000, 500, 200})
            run(w, system.wallClock, interval, aligned, seconds);
}
