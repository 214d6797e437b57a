// Measures how long the main window takes to paint its whole face, at the designed size and
// filling a full-HD and a 4K screen: each size is painted 200 times, synchronously, as it
// stands and with the next second's times written before each painting.
//
//   cd data && QT_QPA_PLATFORM=offscreen ../build/bench/face-repaint

#include "gui/clock_face.h"
#include "gui/main_window.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/label.h"
#include "gui/widgets/scaled_face.h"
#include "system_services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kPaints = 200;

void measure(MainWindow& w, QSize screen, bool newSecond) {
    w.resize(screen.expandedTo(w.minimumSize()));
    QApplication::processEvents();
    std::vector<double> ms;
    QElapsedTimer timer;
    for (int i = 0; i < kPaints; ++i) {
        if (newSecond) {
            const QString time = i % 2 ? QStringLiteral("0:14:59") : QStringLiteral("0:15:00");
            for (Label* label : {w.clockFace->leftMainTimeLabel, w.clockFace->totalTimeLabel,
                                 w.clockFace->leftPeriodLabel})
                label->setText(time);
        }
        timer.start();
        w.clockFace->repaint();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%4d x %-4d  scale %.2f  %-10s  median %5.2f ms  p95 %5.2f ms  worst %5.2f ms\n",
                w.clockFace->width(), w.clockFace->height(), w.clockFace->scale(),
                newSecond ? "new second" : "as it is", ms[ms.size() / 2], ms[ms.size() * 95 / 100],
                ms.back());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installDefaultFont();
    SystemServices system;
    GameClock game(system.services.wallClock, system.services.audio);
    MoveRecord moveRecord(game, system.services.wallClock);
    MainWindow w(game, moveRecord, system.services);
    if (!w.startUp())
        return 1;
    w.show();
    QApplication::processEvents();
    std::printf("the whole face painted %d times, window at each size:\n", kPaints);
    for (const QSize screen : {QSize(0, 0), QSize(1920, 1080), QSize(3840, 2160)})
        for (const bool newSecond : {false, true})
            measure(w, screen, newSecond);
    return 0;
}
