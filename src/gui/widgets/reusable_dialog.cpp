#include "gui/widgets/reusable_dialog.h"

#include <QCloseEvent>

void ReusableDialog::discard() {
    discardRequested_ = true;
    close();
}

void ReusableDialog::closeEvent(QCloseEvent* event) {
    discardRequested_ = true;
    QDialog::closeEvent(event);
}
