#pragma once

#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/wall_clock.h"

#include <QDateTime>
#include <deque>
#include <vector>

// A wall clock that tests set by hand.
class FakeWallClock final : public WallClock {
public:
    QDateTime now = QDateTime(QDate(2026, 12, 8), QTime(10, 0, 0));

    QTime timeOfDay() const override { return now.time(); }
    QDate today() const override { return now.date(); }
    void advanceMs(int ms) { now = now.addMSecs(ms); }
};

// Records every box asked for and answers from a script (OK when the script is empty).
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    std::vector<MessageBoxRequest> asked;
    std::deque<int> answers;

    int ask(QWidget*, const MessageBoxRequest& request) override {
        asked.push_back(request);
        if (answers.empty())
            return kAnswerOk;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct FakePlatform {
    FakeWallClock wallClock;
    ScriptedMessageBoxes messageBoxes;
    Platform platform{wallClock, messageBoxes};
};
