#pragma once

#include <QtGlobal>

// While the application object is made, Qt's messages are held back. When Qt can't open a
// display it would abort with several lines; instead one line goes to stderr and the program
// exits with status 1. Once this goes, the messages held are passed on as usual.
class StartUpMessages {
public:
    StartUpMessages();
    ~StartUpMessages();
    StartUpMessages(const StartUpMessages&) = delete;
    StartUpMessages& operator=(const StartUpMessages&) = delete;

private:
    QtMessageHandler previous_;
};
