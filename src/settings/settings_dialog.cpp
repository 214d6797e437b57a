#include "settings/settings_dialog.h"

#include "clock/main_window.h"
#include "platform/window_geometry.h"
#include "settings/sub_window.h"

SettingsDialog::SettingsDialog(frmMain& main)
    : main_(main) {}

SettingsDialog::~SettingsDialog() = default;

frmSub& SettingsDialog::form() {
    if (!form_)
        form_ = std::make_unique<frmSub>(main_, *this);
    return *form_;
}

void SettingsDialog::showModal(std::optional<int> outerHeightTwips) {
    frmSub& dialog = form();
    if (outerHeightTwips)
        setOuterHeight(&dialog, *outerHeightTwips);
    dialog.exec();
    if (form_ && form_->unloadRequested())
        form_.reset(); // F1 or the close box: the next use starts afresh
}
