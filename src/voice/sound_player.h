#pragma once

#include <QString>

class AudioDevice;

// The two play procedures of the main window over its one audio device. Both begin by
// closing what the device had open, so a clip still sounding from Yomiage is cut off by the
// next request; clips heard one after another are played with Yomiage2.
class SoundPlayer {
public:
    explicit SoundPlayer(AudioDevice& mmctl);

    // Starts the clip and returns at once.
    void Yomiage(const QString& clip);
    // Returns when the clip has been heard to its end; the whole user interface waits.
    void Yomiage2(const QString& clip);

private:
    void play(const QString& clip, bool wait);

    AudioDevice& mmctl_;
};

// The path of a clip in the working folder's sound folder: "sound/" + file.
QString clipPath(const QString& file);
