// Draws the two piece pictures of the clock face, bmp/Skoma.bmp (sente) and bmp/Gkoma.bmp
// (gote), into the folder given as the argument. The consideration count and its labels are
// drawn over them in light cyan (sente) and navy (gote), so the sente piece is dark lacquer
// and the gote piece pale boxwood, each with its king character faint in the wood.
//
//   draw-pieces data/bmp

#include "gui/widgets/fonts.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

struct Wood {
    QColor light;
    QColor dark;
    QColor edge;
    QColor character;
    const char* king;
};

QImage drawPiece(const Wood& wood) {
    const QSizeF size(201, 209);
    QImage image(size.toSize(), QImage::Format_RGB32);
    image.fill(QColor(255, 255, 177)); // the clock face's background
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    QPainterPath piece;
    piece.moveTo(w / 2, 3);
    piece.lineTo(w * 0.84, h * 0.17);
    piece.lineTo(w - 4, h - 4);
    piece.lineTo(4, h - 4);
    piece.lineTo(w * 0.16, h * 0.17);
    piece.closeSubpath();
    QLinearGradient grain(0, 0, w, h);
    grain.setColorAt(0, wood.light);
    grain.setColorAt(1, wood.dark);
    p.setPen(QPen(wood.edge, 3));
    p.setBrush(grain);
    p.drawPath(piece);

    QFont font = fontFor({Face::MsPMincho, 9, true});
    font.setPixelSize(120);
    p.setFont(font);
    p.setPen(wood.character);
    p.drawText(QRectF(0, h * 0.22, w, h * 0.62), Qt::AlignCenter, QString::fromUtf8(wood.king));
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-pieces <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const Wood sente{QColor(0x6E, 0x3B, 0x1E), QColor(0x3A, 0x1A, 0x0A), QColor(0xC8, 0x9B, 0x3C),
                     QColor(0x7C, 0x48, 0x28), "王"};
    const Wood gote{QColor(0xFA, 0xE8, 0xB8), QColor(0xE4, 0xC2, 0x7A), QColor(0x8A, 0x62, 0x28),
                    QColor(0xE9, 0xCC, 0x8E), "玉"};
    const bool ok = drawPiece(sente).save(folder.filePath("Skoma.bmp"), "BMP") &&
                    drawPiece(gote).save(folder.filePath("Gkoma.bmp"), "BMP");
    return ok ? 0 : 1;
}
