#pragma once

class MessageBoxes;
class WallClock;

// What is not deterministic reaches the windows through here, so tests can replace it.
struct Platform {
    WallClock& wallClock;
    MessageBoxes& messageBoxes;
};
