#include "core/input_layer.h"

#include "core/game_clock.h"

#include <algorithm>

InputLayer::InputLayer(const GameClock& game, std::vector<KeyBinding> bindings)
    : game_(game)
    , bindings_(std::move(bindings)) {}

std::optional<Command> InputLayer::command(const KeyStroke& press) const {
    std::optional<Command> command = boundTo(press.key);
    if (!command || isRepeat(press))
        return std::nullopt;
    if (*command == Command::Pause && !game_.running())
        command = Command::Resume;
    return offered(*command) ? command : std::nullopt;
}

bool InputLayer::isHeldRepeat(const KeyStroke& press) const {
    return isRepeat(press) && boundTo(press.key);
}

// X11 repeats a held key as a release and a press with one timestamp. Qt marks the pair only
// when it sees both queued at once, which a busy machine may not; no hand can release and
// press again within the same millisecond.
bool InputLayer::isRepeat(const KeyStroke& press) const {
    return press.autoRepeat || (press.timestamp != 0 && press.key == lastRelease_.key &&
                                press.timestamp == lastRelease_.timestamp);
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
