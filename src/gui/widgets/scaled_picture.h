#pragma once

#include <QLabel>
#include <QPixmap>

// A picture of a designed layout that can be shown larger: resampled smoothly once per size,
// by as much as the widget has grown from its designed size, so that a picture made to fill
// its box still fills it; shown as it is at the designed size.
class ScaledPicture : public QLabel {
    Q_OBJECT
public:
    explicit ScaledPicture(QWidget* parent);

    void setPicture(const QPixmap& picture);
    // The widget's size in the designed layout; until it is given, the picture shows as it is.
    void setDesignedSize(QSize size);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPicture();

    QPixmap picture_;
    QSize designedSize_;
};
