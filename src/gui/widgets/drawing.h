#pragma once

#include "gui/widgets/twips.h"

#include <QColor>
#include <QWidget>
#include <vector>

// Lines and rectangle frames of a designed layout, in twips.
struct LineSpec {
    const char* name;
    int x1, y1, x2, y2;
    int width;
    QColor color;
};

struct FrameSpec {
    const char* name;
    TwipsRect rect;
    int width;
};

// A window's background that draws its lines and frames beneath the controls.
class DrawnBackground : public QWidget {
    Q_OBJECT
public:
    DrawnBackground(QWidget* parent, std::vector<LineSpec> lines, std::vector<FrameSpec> frames);

    // Draws the lines and frames this many times their designed size.
    void setScale(qreal scale);
    // The lines go with what they mark, when it is hidden.
    void setLinesShown(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<LineSpec> lines_;
    std::vector<FrameSpec> frames_;
    qreal scale_ = 1.0;
    bool linesShown_ = true;
};
