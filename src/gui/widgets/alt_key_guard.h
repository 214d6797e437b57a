#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Keeps Alt alone from handing a window's keyboard to its menu bar while guarding() holds:
// the menu bar would then take the next Space or Enter, keys that must reach the window. The
// menus stay open to the mouse. Made after the window's menu bar, so that it sees Alt first.
class AltKeyGuard : public QObject {
    Q_OBJECT
public:
    AltKeyGuard(QWidget* window, std::function<bool()> guarding);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> guarding_;
};
