#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>
#include <vector>

class DrawnBackground;

// Shows a face designed at a fixed size in a window of any size. The face keeps its
// proportions: every control, font, picture, line and frame scales by the largest factor
// that fits, and the face stands in the middle with this widget's background around it.
class ScaledFace : public QWidget {
    Q_OBJECT
public:
    explicit ScaledFace(QWidget* parent);

    // Takes the face's controls as they stand as its design, laid out at designedSize.
    void setFace(DrawnBackground* face, QSize designedSize);
    qreal scale() const { return scale_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Designed {
        QWidget* widget;
        QRect geometry;
        QFont font;
    };

    void layOut();

    DrawnBackground* face_ = nullptr;
    QSize designedSize_;
    std::vector<Designed> controls_;
    qreal scale_ = 1.0;
};
