// The commands between games and for leaving: the settings command (also the S key), "終了"
// and the main window's close box.

#include "clock/main_window.h"
#include "platform/audio_device.h"
#include "platform/process.h"
#include "platform/ui_timer.h"

#include <QAction>

namespace {

// The settings dialog's height from the settings command: its draw button out of view.
constexpr int kSettingsHeightTwips = 5200;

} // namespace

void frmMain::mnuHenkou_Click() {
    if (Timer1->enabled())
        return;
    mnuKaisi->setText(QStringLiteral("対局中断(P)"));
    settings.showModal(kSettingsHeightTwips);
}

void frmMain::syuryou_Click() {
    platform.process.end(EXIT_SUCCESS);
}

void frmMain::Form_Unload() {
    platform.mmctl.command(AudioCommand::CloseDevice);
    platform.process.end(EXIT_SUCCESS);
}
