#include "gui/widgets/scaled_picture.h"

#include <cmath>

ScaledPicture::ScaledPicture(QWidget* parent)
    : QLabel(parent) {}

void ScaledPicture::setPicture(const QPixmap& picture) {
    picture_ = picture;
    showPicture();
}

void ScaledPicture::setDesignedSize(QSize size) {
    designedSize_ = size;
    showPicture();
}

void ScaledPicture::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showPicture();
}

void ScaledPicture::showPicture() {
    if (designedSize_.isEmpty() || size() == designedSize_ || picture_.isNull()) {
        setPixmap(picture_);
        return;
    }
    const auto grown = [](int picture, int now, int designed) {
        return int(std::lround(qreal(picture) * now / designed));
    };
    const QSize shown(grown(picture_.width(), width(), designedSize_.width()),
                      grown(picture_.height(), height(), designedSize_.height()));
    setPixmap(picture_.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
