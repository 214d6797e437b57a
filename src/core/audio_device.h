#pragma once

#include <QString>
#include <functional>

class QObject;

// The one audio path of the clock: a wave player that plays one clip at a time. Every
// failure is silent: a player without a device, a missing or broken file or an empty path
// simply plays nothing.
class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // Plays the clip at path, cutting off the one still playing. With wait, returns only when
    // it has been heard to its end.
    virtual void play(const QString& path, bool wait) = 0;
    // Cuts off the clip playing, and frees a caller waiting for it.
    virtual void stop() = 0;
    // Calls then, on the caller's thread, once every clip asked for so far has been heard,
    // unless context is gone by then. A device whose waits hold the caller has no clip left.
    virtual void afterClips(QObject* context, std::function<void()> then) {
        Q_UNUSED(context);
        then();
    }
};
