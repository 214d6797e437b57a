#include "system/start_up_messages.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

struct Held {
    QtMsgType type;
    const char* category;
    QString text;
};

std::vector<Held> held;

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.push_back({type, context.category, text});
        return;
    }
    // The warning before the fatal message says why ("could not connect to display").
    const QString reason = held.empty() ? text.section(u'\n', 0, 0) : held.front().text;
    std::fprintf(stderr, "%s: cannot open a display: %s\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(reason.trimmed()));
    std::_Exit(EXIT_FAILURE);
}

} // namespace

StartUpMessages::StartUpMessages()
    : previous_(qInstallMessageHandler(holdOrEnd)) {}

StartUpMessages::~StartUpMessages() {
    qInstallMessageHandler(previous_);
    for (const Held& message : std::exchange(held, {}))
        qt_message_output(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                          message.text);
}
