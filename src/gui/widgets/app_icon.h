#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>

// The application's icon: a shogi piece bearing the character 時 (time), painted into the
// square (0, 0, size, size), so that a vector device gets it in outlines.
void paintAppIcon(QPainter& p, qreal size);
QPixmap appIconPixmap(int size);
QIcon appIcon();
