#include "gui/widgets/drawing.h"

#include <QPainter>

DrawnBackground::DrawnBackground(QWidget* parent, std::vector<LineSpec> lines,
                                 std::vector<FrameSpec> frames)
    : QWidget(parent)
    , lines_(std::move(lines))
    , frames_(std::move(frames)) {}

void DrawnBackground::setScale(qreal scale) {
    scale_ = scale;
    update();
}

void DrawnBackground::setLinesShown(bool shown) {
    if (linesShown_ == shown)
        return;
    linesShown_ = shown;
    update();
}

void DrawnBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(scale_, scale_);
    for (const FrameSpec& frame : frames_) {
        const qreal inset = frame.width / 2.0; // the border lies inside the frame's box
        painter.setPen(QPen(Qt::black, frame.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(frame.rect.toPixels()).adjusted(inset, inset, -inset, -inset));
    }
    if (!linesShown_)
        return;
    for (const LineSpec& line : lines_) {
        painter.setPen(QPen(line.color, line.width, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(pxPoint(line.x1, line.y1), pxPoint(line.x2, line.y2));
    }
}
