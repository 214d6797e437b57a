#pragma once

#include "core/game_clock.h"
#include "support/fakes.h"
#include "support/game_driver.h"

#include <QObject>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

using Clip = RecordingAudioDevice::Clip;
using Clips = std::vector<Clip>;

// A clip of the sound folder as the audio device receives it: played at once, or waited for.
Clip quick(const QString& file);
Clip waited(const QString& file);

// The settings dialog's defaults with the names 左 and 右: 15 minutes, ten consideration
// minutes and a 30-second byoyomi on each side, the left side moving first.
GameSettings defaultSettings();
// One side's main time in minutes, its consideration minutes and its byoyomi length.
void setSide(GameSettings& settings, Side side, int minutes, int consideration, int byoyomi);

// The play states as the main window shows them.
using Prompt = PlayState::Prompt;
inline const PlayState kIdleBefore{true, false, false, false, true, Prompt::Settings};
inline const PlayState kRunning{false, true, true, true, false, Prompt::Pause};
inline const PlayState kPaused{false, true, false, false, false, Prompt::Resume};
inline const PlayState kEndedWhilePaused{true, false, false, false, false, Prompt::Settings};
inline const PlayState kEndedWhileRunning{true, false, false, true, false, Prompt::Settings};

// The model's signals by name, "periodChanged(Left)" and so on, in the order they came.
class SignalLog {
public:
    explicit SignalLog(GameClock& game);
    QStringList names;

private:
    QObject context_;
};

// A game model on a fake wall clock and a recording audio device.
class ModelTest : public testing::Test {
protected:
    // Starts a game and forgets the greeting.
    void start(const GameSettings& settings = defaultSettings());
    // The clips that whole seconds played.
    Clips seconds(int n);

    FakeWallClock wallClock;
    RecordingAudioDevice audio;
    GameClock game{wallClock, audio};
    GameDriver drive{wallClock, [this] { game.tick(); }};
};
