#pragma once

#include "core/input_options.h"
#include "core/side.h"

#include <array>
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

Command endMoveOf(Side side);
// The side whose move the command ends, if it ends one.
std::optional<Side> moverOf(Command command);

struct KeyBinding {
    int key; // a QKeyEvent::key(), whatever the modifiers and the keyboard's text
    Command command;
};

// The move keys of a table of bindings, in its order, and no tap.
InputOptions optionsOf(const std::vector<KeyBinding>& bindings);

// A key as it went down or up: QKeyEvent's key(), isAutoRepeat() and timestamp() in ms, 0
// when the event was made by a program rather than the window system.
struct KeyStroke {
    int key;
    bool autoRepeat = false;
    std::uint64_t timestamp = 0;
};

// Turns key presses and taps into the commands the game offers at that step. Held down, a
// bound key is one press: its repeats give nothing, and no control should see them either,
// since they would pause and resume, pass the turn twice, or answer the window a key just
// opened. A side's presses closer together than kBounceMs are one press, as a cheap pedal's
// contact bounces.
class InputLayer {
public:
    static constexpr std::uint64_t kBounceMs = 150;

    InputLayer(const GameClock& game, std::vector<KeyBinding> bindings);

    // The command a press gives now; nullopt for an unbound key, a repeat, a bounce, or a
    // command the game does not offer at this step.
    std::optional<Command> command(const KeyStroke& press);
    // A tap or a click on a half of the face: the end of that side's move, when the tap is
    // on and it is that side's move; a player never ends the other's.
    std::optional<Command> tap(Side half, std::uint64_t timestamp);
    // A repeat of a bound key, which nothing must see.
    bool isHeldRepeat(const KeyStroke& press) const;
    // Every release, so that a repeat the window system did not mark is known.
    void released(const KeyStroke& release) { lastRelease_ = release; }

    InputOptions options() const;
    // Takes the move keys and the tap of these options; the command keys stay.
    void setOptions(const InputOptions& options);
    // What the key already does that would keep it from ending this side's move under these
    // options: a command key's command, or the end of the other side's move.
    std::optional<Command> takenBy(int key, Side side, const InputOptions& options) const;

private:
    std::optional<Command> boundTo(int key) const;
    bool isRepeat(const KeyStroke& press) const;
    bool bounced(Side side, std::uint64_t timestamp);
    bool offered(Command command) const;

    const GameClock& game_;
    std::vector<KeyBinding> bindings_;
    bool tap_ = false;
    KeyStroke lastRelease_{0};
    std::array<std::uint64_t, 2> lastPress_{}; // each side's, 0 before the first
};
