#pragma once

#include "core/side.h"

#include <QObject>
#include <cstdint>
#include <functional>

class QWidget;

// Tells each left-button press and each touch that lands on an area or on a control of it
// that lets it through, with the half it landed on and its timestamp in ms. The area takes
// touches, so Qt makes no mouse press of them to be told twice.
class HalfTaps : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(Side half, std::uint64_t timestamp)>;
    HalfTaps(QWidget* area, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Side halfAt(QPointF globalPosition) const;

    QWidget* area_;
    Handler handler_;
};
