#include "gui/widgets/reusable_dialog.h"

#include <QCloseEvent>

void ReusableDialog::unload() {
    unloadRequested_ = true;
    close();
}

void ReusableDialog::closeEvent(QCloseEvent* event) {
    unloadRequested_ = true;
    QDialog::closeEvent(event);
}
