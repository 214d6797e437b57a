#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Shows a window every key pressed in it before the focused control sees it. The handler
// returns true to swallow the key. A command key held down is one press: its repeats are
// swallowed unseen. Made once the window's controls exist.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(QKeyEvent*)>;
    KeyPreview(QWidget* window, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    Handler handler_;
};

// The character code of a key press as the key handlers count them: Enter is 13, Space 32,
// a letter its character; 0 for keys without a character.
int characterCode(const QKeyEvent* event);
