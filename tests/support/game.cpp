#include "support/game.h"

#include "gui/settings_dialog.h"
#include "gui/widgets/ui_timer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

void startGame(MainWindow& w, const GameSetup& setup) {
    SettingsDialog& dialog = w.settings.get();
    const std::pair<QLineEdit*, QString> fields[] = {
        {dialog.leftHoursEdit, QString::number(setup.leftHours)},
        {dialog.leftMinutesEdit, QString::number(setup.leftMinutes)},
        {dialog.rightHoursEdit, QString::number(setup.rightHours)},
        {dialog.rightMinutesEdit, QString::number(setup.rightMinutes)},
        {dialog.leftConsiderationEdit, setup.leftConsideration},
        {dialog.rightConsiderationEdit, setup.rightConsideration},
    };
    for (const auto& [edit, text] : fields)
        edit->setText(text);
    const auto choose = [](const std::array<QRadioButton*, 3>& options, int seconds) {
        options[seconds == 10 ? 0 : seconds == 30 ? 1 : 2]->setChecked(true);
    };
    choose(dialog.leftByoyomiOptions, setup.leftByoyomi);
    choose(dialog.rightByoyomiOptions, setup.rightByoyomi);
    dialog.selectFirstPlayer(setup.senteSide);
    dialog.start();
}

GameDriver driverOf(MainWindow& w, FakeWallClock& clock) {
    return {clock, [&w] {
                if (w.tickTimer->isActive())
                    emit w.tickTimer->timeout();
            }};
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
