// The move keys: Space ends side 1's move, Enter side 2's, while the clock runs. The turn
// passes, the move is counted, and a side that moved in byoyomi gets a fresh period.

#include "clock/main_window.h"
#include "platform/label.h"
#include "platform/ui_timer.h"

#include <QAction>

namespace {

constexpr int kSpace = 32;
constexpr int kEnter = 13;

bool isLetter(int KeyAscii, char upper) {
    return KeyAscii == upper || KeyAscii == upper + 32;
}

QString roleToMove(bool sente) {
    return sente ? QStringLiteral("先手番") : QStringLiteral("後手番");
}

} // namespace

void frmMain::Form_KeyPress(int KeyAscii) {
    if (Timer1->enabled()) {
        if (KeyAscii == kSpace && tb)
            endMove(true);
        else if (KeyAscii == kEnter && !tb)
            endMove(false);
        Lblteme->setText(QStringLiteral("%1手目").arg(c1 + 1));
    } else if (isLetter(KeyAscii, 'S') && mnuHenkou->isEnabled()) {
        mnuHenkou_Click();
    }
    if (isLetter(KeyAscii, 'P') && mnuKaisi->isEnabled())
        mnuKaisi_Click();
}

void frmMain::endMove(bool side1) {
    tb = !side1;
    // The label names the role of the side now to move.
    Lblteban3->setText(roleToMove(side1 ? !tbs : tbs));
    ++c1;
    const ClockTime& t = side1 ? t1 : t2;
    Emptiable<int>& n = side1 ? t11 : t12;
    if (t <= ClockTime() && n > 0) {
        (side1 ? ts11 : ts12) = (side1 ? tbs11 : tbs12).value();
        n = 0;
        (side1 ? Lblt11 : Lblt12)->setText(QString::number(n));
    }
}
