#include "gui/widgets/scaled_picture.h"

ScaledPicture::ScaledPicture(QWidget* parent)
    : QLabel(parent) {}

void ScaledPicture::setPicture(const QPixmap& picture) {
    picture_ = picture;
    showPicture();
}

void ScaledPicture::setScale(qreal scale) {
    scale_ = scale;
    showPicture();
}

void ScaledPicture::showPicture() {
    if (scale_ == 1.0 || picture_.isNull()) {
        setPixmap(picture_);
        return;
    }
    setPixmap(
        picture_.scaled(picture_.size() * scale_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
