// The one way every game ends: announce the result, show it, write the result sentence,
// stop the clock, put the menus back for the next game and offer to record the game.

#include "clock/main_window.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/ui_timer.h"
#include "result/result_codes.h"
#include "result/result_window.h"

#include <QAction>

void frmMain::owari() {
    Oshimai();
    QString reason = Tr ? QStringLiteral("(投了)") : QString();
    if (Jg)
        reason = QStringLiteral("(時間切れ)");

    const QString moves = QString::number(c1) + QStringLiteral("手にて");
    bool announced = false;
    if (Kekka == kSenteWins || Kekka == kGoteWins) {
        const bool senteWon = Kekka == kSenteWins;
        const bool side1Won = senteWon == tbs;
        const QString name = (side1Won ? Lblna1 : Lblna2)->text();
        const QString colour = senteWon ? QStringLiteral("先手") : QStringLiteral("後手");
        platform.messageBoxes.ask(this,
                                  {moves + colour + u' ' + name + QStringLiteral("の勝ちです。"),
                                   QStringLiteral("終了")});
        Tkekka = colour + u' ' + name + QStringLiteral("の勝ち") + reason;
        announced = true;
    } else if (Kekka == kDraw) {
        platform.messageBoxes.ask(
            this, {moves + QStringLiteral(" 引き分けです。"), QStringLiteral("終了")});
        Tkekka = QStringLiteral("引き分け");
        announced = true;
    }

    Timer1->setEnabled(false);
    mnuKaisi->setText(QStringLiteral("対局中断(P)"));
    mnuKaisi->setEnabled(false);
    mnuTouryou->setEnabled(false);
    mnuHenkou->setEnabled(true);

    if (announced) {
        frmFin fin(*this);
        fin.exec();
    }
}
