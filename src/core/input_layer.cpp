#include "core/input_layer.h"

#include "core/game_clock.h"

#include <algorithm>

InputLayer::InputLayer(const GameClock& game, std::vector<KeyBinding> bindings)
    : game_(game)
    , bindings_(std::move(bindings)) {}

std::optional<Command> InputLayer::command(int key, bool autoRepeat) const {
    std::optional<Command> command = boundTo(key);
    if (!command || autoRepeat)
        return std::nullopt;
    if (*command == Command::Pause && !game_.running())
        command = Command::Resume;
    return offered(*command) ? command : std::nullopt;
}

bool InputLayer::isHeldRepeat(int key, bool autoRepeat) const {
    return autoRepeat && boundTo(key);
}

std::optional<Command> InputLayer::boundTo(int key) const {
    const auto found = std::ranges::find(bindings_, key, &KeyBinding::key);
    return found == bindings_.end() ? std::nullopt : std::optional(found->command);
}

bool InputLayer::offered(Command command) const {
    const PlayState& state = game_.playState();
    switch (command) {
    case Command::EndMoveLeft:
    case Command::EndMoveRight:
        return game_.running();
    case Command::Pause:
        return game_.running() && state.pauseOpen;
    case Command::Resume:
        return !game_.running() && state.pauseOpen;
    case Command::OpenSettings:
        return !game_.running() && state.settingsOpen;
    case Command::Resign: // both ask a question of a running game only
        return game_.running() && state.resignOpen;
    case Command::RepetitionDraw:
        return game_.running() && state.repetitionDrawOpen;
    case Command::CloseSettings:
    case Command::FullScreen:
        return true;
    }
    return false;
}
