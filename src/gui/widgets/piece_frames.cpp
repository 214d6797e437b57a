#include "gui/widgets/piece_frames.h"

#include "gui/widgets/fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

constexpr int kWidth = 41;
constexpr int kHeight = 57;
constexpr qreal kThickness = 6; // seen when the piece stands edge-on

QPainterPath pieceShape() {
    QPainterPath shape;
    shape.moveTo(kWidth / 2.0, 2);
    shape.lineTo(kWidth - 7, 9);
    shape.lineTo(kWidth - 2, kHeight - 2);
    shape.lineTo(2, kHeight - 2);
    shape.lineTo(7, 9);
    shape.closeSubpath();
    return shape;
}

} // namespace

QPixmap pieceFrame(int index) {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(QColor(0xC0, 0xFF, 0xFF));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal angle = index * std::numbers::pi / 4;
    const qreal squeeze = std::cos(angle);           // 1 face-on, 0 edge-on, -1 from behind
    const qreal side = std::sin(angle) * kThickness; // the edge turning into view
    const QColor wood(0xF6, 0xE3, 0xA8);
    const QColor edge(0xC8, 0xA0, 0x58);
    const qreal centre = kWidth / 2.0;

    // The piece's thickness, on the side it turns towards.
    p.setPen(Qt::NoPen);
    p.setBrush(edge);
    const qreal halfFace = std::abs(squeeze) * (kWidth - 4) / 2;
    const qreal sideLeft = side > 0 ? centre + halfFace : centre - halfFace + side;
    p.drawRect(QRectF(sideLeft, 6, std::abs(side), kHeight - 8));

    // The face, squeezed horizontally as it turns.
    p.save();
    p.translate(centre, 0);
    p.scale(std::max(std::abs(squeeze), 0.02), 1);
    p.translate(-centre, 0);
    p.setPen(QPen(QColor(0x8A, 0x62, 0x28), 1));
    p.setBrush(wood);
    p.drawPath(pieceShape());
    if (std::abs(squeeze) > 0.3) {
        const bool promoted = squeeze < 0;
        QFont font = fontFor({Face::MsPMincho, 9, true});
        font.setPixelSize(24);
        p.setFont(font);
        p.setPen(promoted ? QColor(0xD0, 0x10, 0x10) : Qt::black);
        p.drawText(QRectF(0, 14, kWidth, kHeight - 16), Qt::AlignCenter,
                   promoted ? QStringLiteral("と") : QStringLiteral("歩"));
    }
    p.restore();
    return pixmap;
}
