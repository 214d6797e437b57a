#include "gui/widgets/half_taps.h"

#include <QMouseEvent>
#include <QTouchEvent>
#include <QWidget>

HalfTaps::HalfTaps(QWidget* area, Handler handler)
    : QObject(area)
    , area_(area)
    , handler_(std::move(handler)) {
    area->setAttribute(Qt::WA_AcceptTouchEvents);
    area->installEventFilter(this);
}

// A press the area's controls leave alone comes up to the area itself; one that a control
// takes, as a button does, never does.
bool HalfTaps::eventFilter(QObject* watched, QEvent* event) {
    if (watched != area_)
        return false;
    if (event->type() == QEvent::TouchBegin) {
        const auto& touch = *static_cast<QTouchEvent*>(event);
        if (!touch.points().isEmpty())
            handler_(halfAt(touch.points().first().globalPosition()), touch.timestamp());
        event->accept();
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto& press = *static_cast<QMouseEvent*>(event);
        if (press.button() == Qt::LeftButton && press.source() == Qt::MouseEventNotSynthesized)
            handler_(halfAt(press.globalPosition()), press.timestamp());
    }
    return false;
}

Side HalfTaps::halfAt(QPointF globalPosition) const {
    const QPointF position = area_->mapFromGlobal(globalPosition);
    return position.x() < area_->width() / 2.0 ? Side::Left : Side::Right;
}
