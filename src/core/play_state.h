#pragma once

#include <QString>

// Which commands the main window offers, the pause command's caption and the key hint.
// Each step of play sets only the fields it has always set.
struct PlayState {
    bool settingsOpen = true;
    bool pauseOpen = false;
    bool resignOpen = false;
    bool repetitionDrawOpen = false;
    bool moveCountTestOpen = true; // the button that tries the move-count voice
    QString pauseCaption = QStringLiteral("対局中断(P)");
    QString hint = QStringLiteral("S：対局設定");

    PlayState started() const;
    PlayState paused() const;
    PlayState resumed() const;
    // From a time-out until its question is answered, the pause command is closed.
    PlayState ranOut() const;
    PlayState givenTimeBack() const;
    PlayState ended() const;

    bool operator==(const PlayState&) const = default;
};
