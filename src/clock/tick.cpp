// The per-second tick: each change of the wall clock's second counts one second, charged
// to the side to move: first its main time, then byoyomi periods, consideration minutes and
// at last the time-out. A second missed while the event loop was held up is not made up.

#include "clock/main_window.h"
#include "platform/drawing.h"
#include "platform/label.h"
#include "platform/ui_timer.h"
#include "platform/wall_clock.h"
#include "voice/byoyomi_reader.h"
#include "voice/kouryo_reader.h"

#include <QAction>

// The variables and labels of one side.
struct frmMain::Side {
    ClockTime& t;
    bool& tm;
    Emptiable<int>& n;
    Emptiable<int>& p;
    Emptiable<Decimal>& k;
    Emptiable<Decimal>& ks;
    Label* Lt;
    Label* Ln;
    Label* Lk;
};

namespace {

ClockTime timeOfDay(const WallClock& clock) {
    const QTime now = clock.timeOfDay();
    return ClockTime::fromHms(now.hour(), now.minute(), now.second());
}

QString textOf(const Emptiable<ClockTime>& time) {
    return time.isEmpty() ? QString() : time.value().toText();
}

} // namespace

frmMain::Side frmMain::sideToMove() {
    if (tb)
        return {t1, tm1, t11, ts11, k1, k1s, Lblt1, Lblt11, Lblk1};
    return {t2, tm2, t12, ts12, k2, k2s, Lblt2, Lblt12, Lblk2};
}

void frmMain::Timer1_Timer() {
    if (timeOfDay(platform.wallClock).toText() == textOf(Systmr))
        return; // this second has been counted
    if (Systmr.isEmpty())
        Timer1->setInterval(500);
    Systmr = timeOfDay(platform.wallClock);
    face->redrawLine("Line5");
    TT1 = TT1 + kOneSecond;
    lblTT1->setText(TT1.toText());

    Side side = sideToMove();
    if (side.t > kOneSecond) {
        side.t = side.t - kOneSecond;
        side.Lt->setText(side.t.toText());
    } else if (side.t > ClockTime()) {
        side.t = ClockTime();
        side.Lt->setText(side.t.toText());
    } else if (side.t == ClockTime()) {
        chargeByoyomiSecond(side);
    }
}

void frmMain::chargeByoyomiSecond(Side& side) {
    if (!side.tm) {
        Yomiage(clipPath("Motitu.wav"));
        side.tm = true;
    }
    if (side.n < side.p) {
        side.n = side.n + 1;
        side.Ln->setText(QString::number(side.n));
    }
    if (side.n < side.p) {
        Byouyomi(sound, *Timer1, side.k, side.n, side.p);
        return;
    }
    if (side.k.value() > Decimal(0)) { // a consideration minute begins
        side.k = side.k.value() - 1;
        side.Lk->setText(side.k.value().toText());
        side.p = 60;
        side.n = 0;
        side.Ln->setText(QStringLiteral("0"));
        side.Lk->repaint();
        side.Ln->repaint();
        KouryoYomi(sound, side.k, side.ks);
        Timer1->setInterval(200);
        return;
    }
    // Out of time: the operator confirms three seconds after the clip. Until then only the
    // question acts on the game, so the pause command must not bring the clock back.
    Timer1->setEnabled(false);
    mnuKaisi->setEnabled(false);
    side.n = side.p.value();
    side.Ln->setText(QString::number(side.n));
    side.Ln->repaint();
    Yomiage2(clipPath("10.wav"));
    Jg = true;
    Timer2->setInterval(3000);
    Timer2->setEnabled(true);
}
