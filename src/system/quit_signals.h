#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGINT, SIGTERM and SIGHUP end the program as its close box does, on the event loop, so
// that a game in progress is closed in its record before the process goes. A handler may
// only write to a pipe; the event loop reads it.
class QuitSignals : public QObject {
    Q_OBJECT
public:
    explicit QuitSignals(std::function<void()> quit, QObject* parent = nullptr);
    ~QuitSignals() override;

private:
    std::function<void()> quit_;
    QSocketNotifier* notifier_ = nullptr;
};
