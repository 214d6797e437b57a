#pragma once

#include <QString>

// The one audio path of the clock: a wave player that holds at most one open clip. The
// commands take the names the play procedures use. Every failure is silent: a player
// without a device, a missing or broken file or an empty name simply plays nothing.
enum class AudioCommand {
    Close,       // stop and drop the open clip
    Open,        // load the clip named by the file name
    Rewind,      // position at the start of the clip
    Play,        // play from the position
    CloseDevice, // release the device when the program ends
};

class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // With the wait flag set, the next command returns only when the device has finished
    // it: Play when the clip has been heard to its end. The flag holds for one command.
    virtual void setWait(bool wait) = 0;
    virtual void setFileName(const QString& path) = 0;
    virtual void command(AudioCommand command) = 0;
};
