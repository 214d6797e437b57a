#include "gui/widgets/window_geometry.h"

#include "gui/widgets/twips.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace {

// The title bar and borders the layouts were designed with. A thinner frame (or none, as
// on a bare X server) must not show more of the client area than designed, since a height
// is sometimes chosen to hide a row of controls; a thicker one takes its own share.
constexpr int kDesignedDecorationHeight = 31;

int decorationHeight(const QWidget* window) {
    const int measured = window->frameGeometry().height() - window->geometry().height();
    return std::max(measured, kDesignedDecorationHeight);
}

void applyOuterHeight(QWidget* window, int twips) {
    window->setFixedHeight(px(twips) - decorationHeight(window));
}

// Applies a window's height again once it is framed, when its decoration can be measured.
class OuterHeight : public QObject {
    Q_OBJECT
public:
    explicit OuterHeight(QWidget* window)
        : QObject(window)
        , window_(window) {
        window->installEventFilter(this);
    }

    void set(int twips) {
        twips_ = twips;
        applyOuterHeight(window_, twips);
        pending_ = !window_->isVisible();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && pending_) {
            pending_ = false;
            QTimer::singleShot(0, this, [this] { applyOuterHeight(window_, twips_); });
        }
        return false;
    }

private:
    QWidget* window_;
    int twips_ = 0;
    bool pending_ = false;
};

} // namespace

void setOuterHeight(QWidget* window, int twips) {
    auto* height = window->findChild<OuterHeight*>(QString(), Qt::FindDirectChildrenOnly);
    if (!height)
        height = new OuterHeight(window);
    height->set(twips);
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    QRect frame(QPoint(), QSize(window->width(), window->height() + decorationHeight(window)));
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

#include "window_geometry.moc"
