#include "platform/window_geometry.h"

#include "platform/twips.h"

#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

// Title bar and borders, until the window has been framed and can be measured.
constexpr int kAssumedDecorationHeight = 31;

int decorationHeight(const QWidget* window) {
    const int measured = window->frameGeometry().height() - window->geometry().height();
    return measured > 0 ? measured : kAssumedDecorationHeight;
}

void applyOuterHeight(QWidget* window, int twips) {
    window->setFixedHeight(px(twips) - decorationHeight(window));
}

// Applies the height again once the window is framed, when its decoration can be measured.
class ReapplyWhenShown : public QObject {
public:
    ReapplyWhenShown(QWidget* window, int twips)
        : QObject(window)
        , twips_(twips) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            QPointer<QWidget> window = static_cast<QWidget*>(watched);
            const int twips = twips_;
            QTimer::singleShot(0, window, [window, twips] { applyOuterHeight(window, twips); });
            deleteLater();
        }
        return false;
    }

private:
    int twips_;
};

} // namespace

void setOuterHeight(QWidget* window, int twips) {
    applyOuterHeight(window, twips);
    if (!window->isVisible())
        new ReapplyWhenShown(window, twips);
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    QRect frame(QPoint(), QSize(window->width(), window->height() + decorationHeight(window)));
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
