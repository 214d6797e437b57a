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

// A screen smaller than the design gives the window all its room and no more; the face
// scales down to fit.
void fitOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const int frameWidth = window->frameGeometry().width() - window->geometry().width();
    const QSize room =
        screen->availableGeometry().size() - QSize(frameWidth, decorationHeight(window));
    window->setMinimumSize(window->minimumSize().boundedTo(room));
    window->resize(window->size().boundedTo(room));
}

void applyOuterHeight(QWidget* window, int twips, Sizing sizing) {
    const int height = px(twips) - decorationHeight(window);
    if (sizing == Sizing::Fixed) {
        window->setFixedHeight(height);
        return;
    }
    window->setMinimumHeight(height);
    window->resize(window->width(), height);
    fitOnScreen(window);
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

    void set(int twips, Sizing sizing) {
        twips_ = twips;
        sizing_ = sizing;
        applyOuterHeight(window_, twips, sizing);
        pending_ = !window_->isVisible();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show && pending_) {
            pending_ = false;
            QTimer::singleShot(0, this, [this] { applyOuterHeight(window_, twips_, sizing_); });
        }
        return false;
    }

private:
    QWidget* window_;
    int twips_ = 0;
    Sizing sizing_ = Sizing::Fixed;
    bool pending_ = false;
};

} // namespace

void setOuterHeight(QWidget* window, int twips, Sizing sizing) {
    auto* height = window->findChild<OuterHeight*>(QString(), Qt::FindDirectChildrenOnly);
    if (!height)
        height = new OuterHeight(window);
    height->set(twips, sizing);
}

int designedClientHeight(int outerTwips) {
    return px(outerTwips) - kDesignedDecorationHeight;
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    QRect frame(QPoint(), QSize(window->width(), window->height() + decorationHeight(window)));
    const QRect available = screen->availableGeometry();
    frame.moveCenter(available.center());
    // The title bar and the menu stay reachable when the window is larger than the screen.
    window->move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}

#include "window_geometry.moc"
