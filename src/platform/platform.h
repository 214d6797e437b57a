#pragma once

class AudioDevice;
class MessageBoxes;
class Process;
class RandomSource;
class WallClock;

// What is not deterministic reaches the windows through here, so tests can replace it.
struct Platform {
    WallClock& wallClock;
    MessageBoxes& messageBoxes;
    AudioDevice& mmctl; // the one audio device, closed when the main window unloads
    Process& process;
    RandomSource& random;
};
