#include "gui/widgets/alt_key_guard.h"

#include <QKeyEvent>
#include <QWidget>

AltKeyGuard::AltKeyGuard(QWidget* window, std::function<bool()> guarding)
    : QObject(window)
    , guarding_(std::move(guarding)) {
    window->installEventFilter(this);
}

bool AltKeyGuard::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return (key == Qt::Key_Alt || key == Qt::Key_Meta) && guarding_();
}
