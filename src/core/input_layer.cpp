#include "core/input_layer.h"

#include "core/game_clock.h"

#include <algorithm>

Command endMoveOf(Side side) {
    return side == Side::Left ? Command::EndMoveLeft : Command::EndMoveRight;
}

std::optional<Side> moverOf(Command command) {
    if (command == Command::EndMoveLeft)
        return Side::Left;
    if (command == Command::EndMoveRight)
        return Side::Right;
    return std::nullopt;
}

InputOptions optionsOf(const std::vector<KeyBinding>& bindings) {
    InputOptions options;
    for (const KeyBinding& binding : bindings)
        if (const std::optional<Side> side = moverOf(binding.command))
            options.keysOf(*side).push_back(binding.key);
    return options;
}

InputLayer::InputLayer(const GameClock& game, std::vector<KeyBinding> bindings)
    : game_(game)
    , bindings_(std::move(bindings)) {}

std::optional<Command> InputLayer::command(const KeyStroke& press) {
    std::optional<Command> command = boundTo(press.key);
    if (!command || isRepeat(press))
        return std::nullopt;
    if (const std::optional<Side> side = moverOf(*command); side && bounced(*side, press.timestamp))
        return std::nullopt;
    if (*command == Command::Pause && !game_.running())
        command = Command::Resume;
    return offered(*command) ? command : std::nullopt;
}

std::optional<Command> InputLayer::tap(Side half, std::uint64_t timestamp) {
    if (!tap_ || bounced(half, timestamp) || half != game_.sideToMove())
        return std::nullopt;
    const Command command = endMoveOf(half);
    return offered(command) ? std::optional(command) : std::nullopt;
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

// Every press counts from the last, so a contact that chatters for long is still one press.
// A press made by a program carries no time and is always a press of its own.
bool InputLayer::bounced(Side side, std::uint64_t timestamp) {
    if (timestamp == 0)
        return false;
    std::uint64_t& last = lastPress_[indexOf(side)];
    const bool bounce = last != 0 && timestamp >= last && timestamp - last < kBounceMs;
    last = timestamp;
    return bounce;
}

InputOptions InputLayer::options() const {
    InputOptions options = optionsOf(bindings_);
    options.tap = tap_;
    return options;
}

void InputLayer::setOptions(const InputOptions& options) {
    std::erase_if(bindings_, [](const KeyBinding& binding) { return moverOf(binding.command); });
    for (const Side side : kBothSides)
        for (const int key : options.keysOf(side))
            bindings_.push_back({key, endMoveOf(side)});
    tap_ = options.tap;
}

std::optional<Command> InputLayer::takenBy(int key, Side side, const InputOptions& options) const {
    const std::optional<Command> bound = boundTo(key);
    if (bound && !moverOf(*bound))
        return bound;
    const Side other = opposite(side);
    if (std::ranges::find(options.keysOf(other), key) != options.keysOf(other).end())
        return endMoveOf(other);
    return std::nullopt;
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
