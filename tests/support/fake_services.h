#pragma once

#include "gui/services.h"
#include "gui/widgets/message_box.h"
#include "support/fakes.h"

#include <deque>
#include <vector>

// Records every box asked for and answers from a script (OK when the script is empty).
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    std::vector<MessageBoxRequest> asked;
    std::deque<QDialog::DialogCode> answers;

    QDialog::DialogCode ask(QWidget*, const MessageBoxRequest& request) override {
        asked.push_back(request);
        if (answers.empty())
            return QDialog::Accepted;
        const QDialog::DialogCode answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Every service a window needs, replaced.
struct FakeServices {
    FakeWallClock wallClock;
    ScriptedMessageBoxes messageBoxes;
    RecordingAudioDevice audio;
    RecordingProcess process;
    ScriptedRandom random;
    Services services{wallClock, messageBoxes, audio, process, random};
};
