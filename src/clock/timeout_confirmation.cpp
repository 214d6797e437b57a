// Three seconds after a time-out the operator confirms that the side to move lost on time,
// or gives it ten seconds back and lets the clock run on.

#include "clock/main_window.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/ui_timer.h"
#include "result/result_codes.h"

#include <QAction>

void frmMain::Timer2_Timer() {
    Timer2->setEnabled(false);
    Timer2->setInterval(0);
    if (!Jg)
        return;
    const QString loser = (tb ? Lblna1 : Lblna2)->text();
    const int answer = platform.messageBoxes.ask(
        this, {loser + QStringLiteral("本当に終了しますか？"), QStringLiteral("終了"),
               MessageBoxRequest::Buttons::OkCancel, MessageBoxRequest::Icon::Warning,
               MessageBoxRequest::Default::Cancel});
    if (answer == kAnswerOk) {
        Kekka = lossOfSideToMove(tb, tbs);
        owari();
        return;
    }
    platform.messageBoxes.ask(this, {QStringLiteral("10秒戻します"), QStringLiteral("戻します")});
    Jg = false;
    Emptiable<int>& n = tb ? t11 : t12;
    n = n - 10;
    (tb ? Lblt11 : Lblt12)->setText(QString::number(n));
    mnuKaisi->setEnabled(true);
    Timer1->setEnabled(true);
}
