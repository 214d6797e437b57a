#include "system/qt_process.h"

#include <QCoreApplication>

void QtProcess::end(int status) {
    QCoreApplication::exit(status);
}
