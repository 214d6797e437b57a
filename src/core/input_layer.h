#pragma once

#include <cstdint>
#include <optional>
#include <vector>

class GameClock;

// What a key asks of the clock, whichever window has it.
enum class Command {
    EndMoveLeft,
    EndMoveRight,
    Pause, // resumes a stopped game
    Resume,
    OpenSettings,
    CloseSettings,
    Resign,
    RepetitionDraw,
    FullScreen,
};

struct KeyBinding {
    int key; // a QKeyEvent::key(), whatever the modifiers and the keyboard's text
    Command command;
};

// A key as it went down or up: QKeyEvent's key(), isAutoRepeat() and timestamp() in ms, 0
// when the event was made by a program rather than the window system.
struct KeyStroke {
    int key;
    bool autoRepeat = false;
    std::uint64_t timestamp = 0;
};

// Turns key presses into the commands the game offers at that step. Held down, a bound key
// is one press: its repeats give nothing, and no control should see them either, since they
// would pause and resume, pass the turn twice, or answer the window a key just opened.
class InputLayer {
public:
    InputLayer(const GameClock& game, std::vector<KeyBinding> bindings);

    // The command a press gives now; nullopt for an unbound key, a repeat, or a command the
    // game does not offer at this step.
    std::optional<Command> command(const KeyStroke& press) const;
    // A repeat of a bound key, which nothing must see.
    bool isHeldRepeat(const KeyStroke& press) const;
    // Every release, so that a repeat the window system did not mark is known.
    void released(const KeyStroke& release) { lastRelease_ = release; }
    const std::vector<KeyBinding>& bindings() const { return bindings_; }

private:
    std::optional<Command> boundTo(int key) const;
    bool isRepeat(const KeyStroke& press) const;
    bool offered(Command command) const;

    const GameClock& game_;
    std::vector<KeyBinding> bindings_;
    KeyStroke lastRelease_{0};
};
