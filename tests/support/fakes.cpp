#include "support/fakes.h"

void RecordingAudioDevice::command(AudioCommand command) {
    static const char* const names[] = {"Close", "Open", "Rewind", "Play", "close"};
    if (beforeCommand)
        beforeCommand(command);
    log.push_back(QString::fromLatin1(names[static_cast<int>(command)]));
}

std::vector<RecordingAudioDevice::Clip> RecordingAudioDevice::clips() const {
    std::vector<Clip> played;
    QString path;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].startsWith("FileName "))
            path = log[i].mid(9);
        else if (log[i] == "Play")
            played.push_back({path, i > 0 && log[i - 1] == "Wait"});
    }
    return played;
}
