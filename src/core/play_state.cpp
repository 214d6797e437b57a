#include "core/play_state.h"

namespace {

const QString kPauseCaption = QStringLiteral("対局中断(P)");
const QString kResumeCaption = QStringLiteral("対局再開(P)");
const QString kPauseHint = QStringLiteral("P：対局中断");
const QString kResumeHint = QStringLiteral("P：対局再開");

} // namespace

PlayState PlayState::started() const {
    PlayState next = *this;
    next.pauseOpen = true;
    next.pauseCaption = kPauseCaption;
    next.resignOpen = true;
    next.repetitionDrawOpen = true;
    next.settingsOpen = false;
    next.hint = kPauseHint;
    next.moveCountTestOpen = false;
    return next;
}

PlayState PlayState::paused() const {
    PlayState next = *this;
    next.pauseCaption = kResumeCaption;
    next.resignOpen = false;
    next.repetitionDrawOpen = false;
    next.hint = kResumeHint;
    return next;
}

PlayState PlayState::resumedFromMenu() const {
    PlayState next = *this;
    next.pauseCaption = kPauseCaption;
    next.resignOpen = true;
    next.repetitionDrawOpen = true;
    next.hint = kPauseHint;
    return next;
}

PlayState PlayState::resumedFromPauseWindow() const {
    PlayState next = *this;
    next.pauseCaption = kPauseCaption;
    next.hint = kPauseHint;
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

// The repetition draw and the hint are left as the game left them.
PlayState PlayState::ended() const {
    PlayState next = *this;
    next.pauseCaption = kPauseCaption;
    next.pauseOpen = false;
    next.resignOpen = false;
    next.settingsOpen = true;
    return next;
}
