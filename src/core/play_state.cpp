#include "core/play_state.h"

namespace {

const QString kPauseCaption = QStringLiteral("対局中断(P)");
const QString kResumeCaption = QStringLiteral("対局再開(P)");
const QString kPauseHint = QStringLiteral("P：対局中断");
const QString kResumeHint = QStringLiteral("P：対局再開");
const QString kSettingsHint = QStringLiteral("S：対局設定");

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

PlayState PlayState::resumed() const {
    PlayState next = *this;
    next.pauseCaption = kPauseCaption;
    next.resignOpen = true;
    next.repetitionDrawOpen = true;
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

// The repetition draw is left as the game left it; F5 finds no running clock to stop.
PlayState PlayState::ended() const {
    PlayState next = *this;
    next.pauseCaption = kPauseCaption;
    next.hint = kSettingsHint;
    next.pauseOpen = false;
    next.resignOpen = false;
    next.settingsOpen = true;
    return next;
}
