// Pause and resume: the pause command stops the clock and opens the pause window with a
// snapshot of the game; choosing it again while the clock is stopped resumes.

#include "clock/main_window.h"
#include "platform/label.h"
#include "platform/ui_timer.h"
#include "play/pause_window.h"

#include <QAction>

void frmMain::mnuKaisi_Click() {
    if (!mnuKaisi->isEnabled())
        return; // no game, a game that ended, or a time-out awaiting its question
    if (!Timer1->enabled()) {
        Timer1->setEnabled(true);
        mnuKaisi->setText(QStringLiteral("対局中断(P)"));
        mnuTouryou->setEnabled(true);
        mnuSenniti->setEnabled(true);
        Label4->setText(QStringLiteral("P：対局中断"));
        return;
    }
    Timer1->setEnabled(false);
    mnuKaisi->setText(QStringLiteral("対局再開(P)"));
    mnuTouryou->setEnabled(false);
    mnuSenniti->setEnabled(false);
    Label4->setText(QStringLiteral("P：対局再開"));
    pauseWindow.get().fill();
    pauseWindow.showModal();
}
