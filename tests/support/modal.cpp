#include "support/modal.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

void onNextModal(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++*tries < 300)
            return;
        poll->stop();
        poll->deleteLater();
        if (!modal) {
            ADD_FAILURE() << "no modal window showed";
            return;
        }
        action(modal);
    });
    poll->start(10);
}
