#pragma once

class AudioDevice;
class MessageBoxes;
class Process;
class RandomSource;
class WallClock;

// What is not deterministic reaches the windows through here, so tests can replace it.
struct Services {
    WallClock& wallClock;
    MessageBoxes& messageBoxes;
    AudioDevice& audio; // the one audio device, silenced when the main window goes
    Process& process;
    RandomSource& random;
};
