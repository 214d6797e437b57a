#include "platform/key_preview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window)
    , window_(window)
    , handler_(std::move(handler)) {
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    // A key press is delivered to the focus widget and then propagates to its parents; only
    // its first delivery is the key the user pressed.
    const QWidget* firstReceiver = window_->focusWidget() ? window_->focusWidget() : window_;
    if (widget != firstReceiver || widget->window() != window_)
        return false;
    return handler_(static_cast<QKeyEvent*>(event));
}

int characterCode(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return 13;
    const QString text = event->text();
    return text.isEmpty() ? 0 : text.front().unicode();
}
