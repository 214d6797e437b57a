#pragma once

#include "core/audio_device.h"
#include "core/process.h"
#include "core/random_source.h"
#include "core/wall_clock.h"

#include <QDateTime>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

// A wall clock that tests set by hand.
class FakeWallClock final : public WallClock {
public:
    QDateTime now = QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0));

    QTime timeOfDay() const override { return now.time(); }
    QDate today() const override { return now.date(); }
    void advanceMs(int ms) { now = now.addMSecs(ms); }
};

// Logs every request: "play <path>", "wait <path>" for a clip waited for, and "stop". Its
// waits hold nothing, as if every clip were heard at once.
class RecordingAudioDevice final : public AudioDevice {
public:
    struct Clip {
        QString path;
        bool waited;
        bool operator==(const Clip&) const = default;
    };

    std::vector<QString> log;
    std::function<void()> beforePlay; // a test's look at the world meanwhile

    void play(const QString& path, bool wait) override;
    void stop() override { log.push_back("stop"); }
    // Once set, the calls asked for after the clips wait here for the test to make them.
    std::optional<std::vector<std::function<void()>>> heldCalls;
    void afterClips(QObject*, std::function<void()> then) override {
        if (heldCalls)
            heldCalls->push_back(std::move(then));
        else
            then();
    }

    // The clips played, in order, each with whether it was waited for.
    std::vector<Clip> clips() const;
};

// Records that the program asked to end, and with which status.
class RecordingProcess final : public Process {
public:
    std::vector<int> ended;
    void end(int status) override { ended.push_back(status); }
};

// Gives the numbers it is told, in turn (0 when out of them), and counts the seedings.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<double> numbers;
    int seedings = 0;

    void seedFromClock() override { ++seedings; }
    double next() override {
        if (numbers.empty())
            return 0;
        const double n = numbers.front();
        numbers.pop_front();
        return n;
    }
};
