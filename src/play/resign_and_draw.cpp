// The two commands that act on a running game without showing in the menu: resignation of
// the side to move (F4) and a repetition draw (F5), which goes back to the settings dialog
// with the colours reversed.

#include "clock/main_window.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/ui_timer.h"
#include "result/result_codes.h"

namespace {

bool confirmed(frmMain& m, const QString& text, const QString& title) {
    return m.platform.messageBoxes.ask(&m, {text, title, MessageBoxRequest::Buttons::OkCancel,
                                            MessageBoxRequest::Icon::Warning}) == kAnswerOk;
}

} // namespace

void frmMain::mnuTouryou_Click() {
    if (!Timer1->enabled())
        return;
    Timer1->setEnabled(false);
    const QString name = (tb ? Lblna1 : Lblna2)->text();
    if (!confirmed(*this, name + QStringLiteral("さん本当に投了しますか？"),
                   QStringLiteral("投了"))) {
        Timer1->setEnabled(true);
        return;
    }
    Tr = true;
    Kekka = lossOfSideToMove(tb, tbs);
    owari();
}

// Nothing is recorded: the old game stays stopped, and the pause command resumes it if the
// dialog is left without starting the replay.
void frmMain::mnuSenniti_Click() {
    if (!Timer1->enabled())
        return;
    Timer1->setEnabled(false);
    if (!confirmed(*this, QStringLiteral("千日手？"), QStringLiteral("千日手"))) {
        Timer1->setEnabled(true);
        return;
    }
    settings.reverseColours(tbs);
    settings.showModal(std::nullopt);
}
