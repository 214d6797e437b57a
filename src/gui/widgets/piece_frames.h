#pragma once

#include <QPixmap>

// One of the eight frames of a turning piece, 41 × 57 pixels on light cyan: frame 0 the
// pawn face 歩, frame 4 the promoted face と in red, and between them the piece squeezed
// as it turns edge-on, showing its thickness.
QPixmap pieceFrame(int index);
