#include "gui/widgets/label.h"

#include <QPainter>
#include <algorithm>

namespace {

// The largest glyph, in pixels, that Qt's raster engine draws from its glyph cache.
constexpr int kLargestCachedGlyph = 64;

} // namespace

Label::Label(QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Label::setTextColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QColor Label::textColor() const {
    return palette().color(QPalette::WindowText);
}

void Label::setKeepsDrawnText(bool keeps) {
    keepsDrawnText_ = keeps;
    update();
}

// The text broken at spaces into lines that fit the width, when the label wraps.
QStringList Label::lines() const {
    if (!wordWrap())
        return {text()};
    const QFontMetricsF metrics(font());
    QStringList lines;
    for (const QString& word : text().split(u' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + u' ' + word) <= width())
            lines.last() += u' ' + word;
        else
            lines << word;
    }
    return lines;
}

Label::Look Label::look() const {
    return {text(), font(), textColor(), alignment(), wordWrap(), size(), devicePixelRatioF()};
}

void Label::paintEvent(QPaintEvent*) {
    if (!keepsDrawnText_ || QFontInfo(font()).pixelSize() <= kLargestCachedGlyph) {
        QPainter painter(this);
        drawText(painter);
        drawn_ = QPixmap();
        return;
    }
    if (const Look now = look(); drawn_.isNull() || now != drawnLook_) {
        drawn_ = QPixmap(size() * devicePixelRatioF());
        drawn_.setDevicePixelRatio(devicePixelRatioF());
        drawn_.fill(Qt::transparent);
        QPainter painter(&drawn_);
        drawText(painter);
        drawnLook_ = now;
    }
    QPainter(this).drawPixmap(0, 0, drawn_);
}

void Label::drawText(QPainter& painter) const {
    painter.setFont(font());
    painter.setPen(textColor());
    const QFontMetricsF metrics(font());
    const QStringList all = lines();
    const qreal lineHeight = std::min<qreal>(metrics.height(), qreal(height()) / all.size());
    // Digits, capitals and ideographs all stand about one cap height above the baseline.
    qreal baseline = (height() - lineHeight * all.size() + lineHeight + metrics.capHeight()) / 2;
    for (const QString& line : all) {
        const qreal advance = metrics.horizontalAdvance(line);
        const qreal squeeze = advance > width() ? width() / advance : 1.0;
        const qreal shown = advance * squeeze;
        qreal x = 0;
        if (alignment() & Qt::AlignRight)
            x = width() - shown;
        else if (alignment() & Qt::AlignHCenter)
            x = (width() - shown) / 2;
        painter.save();
        painter.translate(x, baseline);
        painter.scale(squeeze, 1.0);
        painter.drawText(QPointF(0, 0), line);
        painter.restore();
        baseline += lineHeight;
    }
}

Label* makeLabel(QWidget* parent, const LabelSpec& spec) {
    auto* label = new Label(parent);
    label->setObjectName(QString::fromUtf8(spec.name));
    label->setText(QString::fromUtf8(spec.caption));
    label->setFont(fontFor(spec.font));
    label->setAlignment(spec.align | Qt::AlignVCenter);
    label->setGeometry(spec.rect.toPixels());
    return label;
}
