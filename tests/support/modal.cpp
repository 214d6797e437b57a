#include "support/modal.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<QPointer<QTimer>> waiting;

} // namespace

void onNextModal(std::function<bool(QWidget*)> matches, std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    waiting.emplace_back(poll);
    QObject::connect(poll, &QTimer::timeout, [poll, matches, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !matches(modal) || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start(5);
}

void dropWaitingModalActions() {
    for (const QPointer<QTimer>& poll : waiting) {
        if (poll && poll->isActive()) {
            ADD_FAILURE() << "a modal window the test waited for never showed";
            delete poll.data();
        }
    }
    waiting.clear();
}
