#include "gui/widgets/key_preview.h"

#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget* window, InputLayer& input, Handler handler)
    : QObject(window)
    , window_(window)
    , input_(input)
    , handler_(std::move(handler)) {
    // Filters on the window's own widgets rather than on the application: an application
    // filter installed while a key is being handled (a window opened by that key) would
    // make the application hand the same key to this filter a second time.
    window->installEventFilter(this);
    for (QWidget* child : window->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if ((!press && event->type() != QEvent::KeyRelease) || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    // A key press is delivered to the focus widget and then propagates to its parents; only
    // its first delivery is the key the user pressed.
    const QWidget* firstReceiver = window_->focusWidget() ? window_->focusWidget() : window_;
    if (widget != firstReceiver)
        return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    const KeyStroke stroke{key.key(), key.isAutoRepeat(), key.timestamp()};
    if (!press) {
        input_.released(stroke);
        return false;
    }
    return input_.isHeldRepeat(stroke) || handler_(input_.command(stroke), key);
}
