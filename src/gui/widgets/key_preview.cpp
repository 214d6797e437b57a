#include "gui/widgets/key_preview.h"

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace {

// The keys that give commands in some window. Held down, each is one press: its repeats
// would pause and resume, pass the turn twice, or answer the window a key just opened.
constexpr int kCommandKeys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_S,
                                Qt::Key_P,     Qt::Key_F1,     Qt::Key_F2,    Qt::Key_F4,
                                Qt::Key_F5,    Qt::Key_F11};

bool isRepeatedCommand(const QKeyEvent* event) {
    return event->isAutoRepeat() &&
           std::ranges::find(kCommandKeys, event->key()) != std::end(kCommandKeys);
}

} // namespace

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window)
    , window_(window)
    , handler_(std::move(handler)) {
    // Filters on the window's own widgets rather than on the application: an application
    // filter installed while a key is being handled (a window opened by that key) would
    // make the application hand the same key to this filter a second time.
    window->installEventFilter(this);
    for (QWidget* child : window->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    // A key press is delivered to the focus widget and then propagates to its parents; only
    // its first delivery is the key the user pressed.
    const QWidget* firstReceiver = window_->focusWidget() ? window_->focusWidget() : window_;
    if (widget != firstReceiver)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return isRepeatedCommand(key) || handler_(static_cast<QKeyEvent*>(event));
}

int characterCode(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return 13;
    const QString text = event->text();
    return text.isEmpty() ? 0 : text.front().unicode();
}
