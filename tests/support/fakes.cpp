#include "support/fakes.h"

void RecordingAudioDevice::play(const QString& path, bool wait) {
    if (beforePlay)
        beforePlay();
    log.push_back((wait ? "wait " : "play ") + path);
}

std::vector<RecordingAudioDevice::Clip> RecordingAudioDevice::clips() const {
    std::vector<Clip> played;
    for (const QString& entry : log) {
        if (entry != "stop")
            played.push_back({entry.section(u' ', 1), entry.startsWith("wait ")});
    }
    return played;
}
