#include "support/game.h"

#include "platform/label.h"
#include "platform/ui_timer.h"
#include "settings/sub_window.h"

#include <QApplication>
#include <QKeyEvent>

void putGameOnClock(frmMain& w, const GameSetup& setup) {
    w.t1 = setup.main1;
    w.t2 = setup.main2;
    w.k1 = w.k1s = setup.minutes1;
    w.k2 = w.k2s = setup.minutes2;
    w.tbs11 = w.ts11 = setup.byoyomi1;
    w.tbs12 = w.ts12 = setup.byoyomi2;
    w.t11 = w.t12 = 0;
    w.tb = w.tbs = setup.side1Sente;
    w.tm1 = w.tm2 = false;
    w.c1 = 0;
    w.TT1 = ClockTime();
    w.Jg = false;
    w.Tr = false;
    w.Kekka = "";
    w.Timer1->setEnabled(true);
}

void nextSecond(frmMain& w, FakeWallClock& clock) {
    clock.advanceMs(1000);
    w.Timer1_Timer();
}

void pressKey(QWidget& window, Qt::Key key, bool autoRepeat, Qt::KeyboardModifiers modifiers) {
    QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
    const char16_t letter = modifiers & Qt::ShiftModifier ? u'A' : u'a';
    const QString text = key == Qt::Key_Space    ? QStringLiteral(" ")
                         : key == Qt::Key_Return ? QStringLiteral("\r")
                         : key >= Qt::Key_A && key <= Qt::Key_Z
                             ? QString(QChar(letter + (key - Qt::Key_A)))
                             : QString();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(target, &release);
}

void startGame(frmMain& w) {
    w.settings.form().cmdOK_Click();
}
