#include "core/play_state.h"

PlayState PlayState::started() const {
    PlayState next = *this;
    next.pauseOpen = true;
    next.resignOpen = true;
    next.repetitionDrawOpen = true;
    next.settingsOpen = false;
    next.prompt = Prompt::Pause;
    next.moveCountTestOpen = false;
    return next;
}

PlayState PlayState::paused() const {
    PlayState next = *this;
    next.resignOpen = false;
    next.repetitionDrawOpen = false;
    next.prompt = Prompt::Resume;
    return next;
}

PlayState PlayState::resumed() const {
    PlayState next = *this;
    next.resignOpen = true;
    next.repetitionDrawOpen = true;
    next.prompt = Prompt::Pause;
    return next;
}

PlayState PlayState::ranOut() const {
    PlayState next = *this;
    next.pauseOpen = false;
    return next;
}

PlayState PlayState::givenTimeBack() const {
    PlayState next = *this;
    next.pauseOpen = true;
    return next;
}

PlayState PlayState::decided() const {
    PlayState next = *this;
    next.prompt = Prompt::Settings;
    next.pauseOpen = false;
    next.resignOpen = false;
    return next;
}

// The repetition draw is left as the game left it; F5 finds no running clock to stop.
PlayState PlayState::ended() const {
    PlayState next = *this;
    next.prompt = Prompt::Settings;
    next.pauseOpen = false;
    next.resignOpen = false;
    next.settingsOpen = true;
    return next;
}
