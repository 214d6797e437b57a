#pragma once

// Which commands the main window offers, and which key it prompts for. Each step of play
// sets only the fields it has always set.
struct PlayState {
    // The key to press next: S for the settings, or P to pause or to resume, which is also
    // what the pause command does.
    enum class Prompt { Settings, Pause, Resume };

    bool settingsOpen = true;
    bool pauseOpen = false;
    bool resignOpen = false;
    bool repetitionDrawOpen = false;
    bool moveCountTestOpen = true; // the button that tries the move-count voice
    Prompt prompt = Prompt::Settings;

    PlayState started() const;
    PlayState paused() const;
    PlayState resumed() const;
    // From a time-out until its question is answered, the pause command is closed.
    PlayState ranOut() const;
    PlayState givenTimeBack() const;
    // While the result is said, nothing can be paused, given up or set up: the game's end
    // and its result window come first.
    PlayState decided() const;
    PlayState ended() const;

    bool operator==(const PlayState&) const = default;
};
