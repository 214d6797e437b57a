#include "platform/label.h"

#include <QPainter>

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

void Label::paintEvent(QPaintEvent* event) {
    if (wordWrap()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(textColor());
    const QFontMetricsF metrics(font());
    // Digits, capitals and ideographs all stand about one cap height above the baseline.
    const qreal baseline = (height() + metrics.capHeight()) / 2;
    const qreal width = metrics.horizontalAdvance(text());
    qreal x = 0;
    if (alignment() & Qt::AlignRight)
        x = this->width() - width;
    else if (alignment() & Qt::AlignHCenter)
        x = (this->width() - width) / 2;
    painter.drawText(QPointF(x, baseline), text());
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
