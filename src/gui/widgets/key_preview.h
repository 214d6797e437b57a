#pragma once

#include "core/input_layer.h"

#include <QObject>
#include <functional>
#include <optional>

class QKeyEvent;
class QWidget;

// Shows a window every key pressed in it before the focused control sees it, with the
// command the input layer makes of it. The handler returns true to swallow the key. The
// repeats of a held command key are swallowed unseen. Made once the window's controls exist.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<bool(std::optional<Command>, const QKeyEvent&)>;
    KeyPreview(QWidget* window, InputLayer& input, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    InputLayer& input_;
    Handler handler_;
};
