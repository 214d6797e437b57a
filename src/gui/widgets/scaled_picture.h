#pragma once

#include <QLabel>
#include <QPixmap>

// A picture of a designed layout that can be shown larger: the picture is resampled
// smoothly once per scale, and shown as designed at scale 1.
class ScaledPicture : public QLabel {
    Q_OBJECT
public:
    explicit ScaledPicture(QWidget* parent);

    void setPicture(const QPixmap& picture);
    void setScale(qreal scale);

private:
    void showPicture();

    QPixmap picture_;
    qreal scale_ = 1.0;
};
