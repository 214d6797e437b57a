#include "gui/widgets/scaled_face.h"

#include "gui/widgets/drawing.h"
#include "gui/widgets/label.h"
#include "gui/widgets/scaled_picture.h"

#include <algorithm>
#include <cmath>

namespace {

// Edges are scaled rather than sizes, so neighbouring controls stay flush.
QRect scaled(const QRect& rect, qreal scale) {
    const auto edge = [scale](int designed) { return int(std::lround(designed * scale)); };
    const int left = edge(rect.left());
    const int top = edge(rect.top());
    return QRect(left, top, edge(rect.left() + rect.width()) - left,
                 edge(rect.top() + rect.height()) - top);
}

QFont scaled(QFont font, qreal scale) {
    if (font.pixelSize() > 0)
        font.setPixelSize(int(std::lround(font.pixelSize() * scale)));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

} // namespace

ScaledFace::ScaledFace(QWidget* parent)
    : QWidget(parent) {}

void ScaledFace::setFace(DrawnBackground* face, QSize designedSize) {
    face_ = face;
    designedSize_ = designedSize;
    controls_.clear();
    for (QWidget* control : face->findChildren<QWidget*>()) {
        controls_.push_back({control, control->geometry(), control->font()});
        if (auto* picture = qobject_cast<ScaledPicture*>(control))
            picture->setDesignedSize(control->size());
    }
    scale_ = 0; // lays every control out at the next pass
    if (!isVisible())
        resize(designedSize); // until its window lays it out
    layOut();
}

void ScaledFace::resizeEvent(QResizeEvent*) {
    layOut();
}

void ScaledFace::layOut() {
    if (!face_)
        return;
    const qreal scale =
        std::min(qreal(width()) / designedSize_.width(), qreal(height()) / designedSize_.height());
    const QRect designed(QPoint(), designedSize_);
    const QSize size = scaled(designed, scale).size();
    // At scale 1 the face keeps its designed place under the menu bar, whatever height is spare.
    const int top = scale == 1.0 ? 0 : std::max(0, (height() - size.height()) / 2);
    face_->setGeometry(QRect(QPoint(std::max(0, (width() - size.width()) / 2), top), size));
    if (scale == scale_)
        return;
    scale_ = scale;
    face_->setScale(scale);
    for (const Designed& control : controls_) {
        control.widget->setGeometry(scaled(control.geometry, scale));
        control.widget->setFont(scaled(control.font, scale));
        if (auto* label = qobject_cast<Label*>(control.widget))
            label->setKeepsDrawnText(scale != 1.0);
    }
}
