#include "gui/widgets/app_icon.h"

#include "gui/widgets/fonts.h"

#include <QPainter>
#include <QPainterPath>

void paintAppIcon(QPainter& p, qreal s) {
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath piece;
    piece.moveTo(0.50 * s, 0.04 * s);
    piece.lineTo(0.80 * s, 0.18 * s);
    piece.lineTo(0.92 * s, 0.96 * s);
    piece.lineTo(0.08 * s, 0.96 * s);
    piece.lineTo(0.20 * s, 0.18 * s);
    piece.closeSubpath();
    QLinearGradient wood(0, 0, s, s);
    wood.setColorAt(0, QColor(0xF6, 0xDA, 0x9A));
    wood.setColorAt(1, QColor(0xD8, 0xA8, 0x5A));
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x10), qMax(1.0, s / 32)));
    p.setBrush(wood);
    p.drawPath(piece);
    QFont font = fontFor({Face::MsPMincho, 9, true});
    font.setPixelSize(static_cast<int>(0.52 * s));
    // The glyph as an outline, so that the SVG icon needs no font to show it.
    const QString character = QStringLiteral("時");
    const QRectF box = QFontMetricsF(font).boundingRect(character);
    const QRectF area(0, 0.28 * s, s, 0.62 * s);
    QPainterPath glyph;
    glyph.addText(area.center() - box.center(), font, character);
    p.fillPath(glyph, Qt::black);
}

QPixmap appIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintAppIcon(p, size);
    return pixmap;
}

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addPixmap(appIconPixmap(size));
    return icon;
}
