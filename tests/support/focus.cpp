#include "support/focus.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

std::set<const QWidget*> reachedByTab(QWidget& window, int presses) {
    QApplication::setActiveWindow(&window);
    std::set<const QWidget*> reached;
    for (int i = 0; i < presses; ++i) {
        QWidget* focus = window.focusWidget();
        if (focus)
            reached.insert(focus);
        QTest::keyClick(focus ? focus : &window, Qt::Key_Tab);
    }
    return reached;
}
