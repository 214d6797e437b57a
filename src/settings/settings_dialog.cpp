#include "settings/settings_dialog.h"

#include "platform/window_geometry.h"
#include "settings/sub_window.h"

#include <QRadioButton>

SettingsDialog::SettingsDialog(frmMain& main)
    : form_([&main, this] { return std::make_unique<frmSub>(main, *this); }) {}

SettingsDialog::~SettingsDialog() = default;

frmSub& SettingsDialog::form() {
    return form_.get();
}

void SettingsDialog::showModal(std::optional<int> outerHeightTwips) {
    if (outerHeightTwips)
        setOuterHeight(&form(), *outerHeightTwips);
    form_.showModal();
}

void SettingsDialog::reverseColours(bool side1Sente) {
    form().optTb1->setChecked(!side1Sente);
    form().optTb2->setChecked(side1Sente);
}
