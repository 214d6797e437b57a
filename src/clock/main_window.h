#pragma once

// frmMain, the clock face and the owner of the clock state.
//
// Data flow: a key press (Form_KeyPress, seen before any control through key preview) or a
// tick of Timer1 changes the clock state, the public variables this window inherits from
// ClockState; whoever changes a value rewrites the label that shows it, and the voice
// readers turn the same state into clips. Other windows reach the state through the one
// frmMain instance they are given.

#include "clock/clock_state.h"
#include "platform/platform.h"
#include "platform/reusable_dialog.h"
#include "settings/settings_dialog.h"
#include "voice/sound_player.h"

#include <QMainWindow>

class DrawnBackground;
class Label;
class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class UiTimer;
class frmTyuudan;

class frmMain : public QMainWindow, public ClockState {
    Q_OBJECT
public:
    explicit frmMain(Platform& platform);
    ~frmMain() override;

    // Start-up; false when a piece picture could not be loaded, after telling the user.
    bool Form_Load();
    // Puts the sente picture and the light-cyan labels on side 1 when side1Sente, else on
    // side 2, the gote picture and navy labels on the other; the path that failed, or empty.
    QString showPieces(bool side1Sente);

    Platform& platform;
    // The settings dialog, frmSub, loaded on first use.
    SettingsDialog settings;
    // The pause window, loaded on first use and kept until its close box unloads it.
    LoadedOnUse<frmTyuudan> pauseWindow;

    Label* Lblteban1 = nullptr;
    Label* Label2 = nullptr;
    Label* Label4 = nullptr;
    Label* Label3 = nullptr;
    Label* Lblteban2 = nullptr;
    Label* Lblna1 = nullptr;
    Label* Lblvs = nullptr;
    Label* Lblna2 = nullptr;
    Label* Lblt1 = nullptr;
    Label* Lblt2 = nullptr;
    Label* Lblteban3 = nullptr;
    Label* Lblteme = nullptr;
    Label* Label1 = nullptr;
    Label* lblTT1 = nullptr;
    Label* Lblk1 = nullptr;
    Label* LblH1 = nullptr;
    Label* LblN1 = nullptr;
    Label* Lblk2 = nullptr;
    Label* LblH2 = nullptr;
    Label* LblN2 = nullptr;
    Label* Lblt11 = nullptr;
    Label* LblB1 = nullptr;
    Label* LblItte1 = nullptr;
    Label* Lblt11S = nullptr;
    Label* LblB11 = nullptr;
    Label* Lblt12S = nullptr;
    Label* LblB12 = nullptr;
    Label* Lblt12 = nullptr;
    Label* LblB2 = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Picture2 = nullptr;
    DrawnBackground* face = nullptr;
    QPushButton* cmd1 = nullptr;
    QLineEdit* Text1 = nullptr;
    UiTimer* Timer1 = nullptr;
    UiTimer* Timer2 = nullptr;

    QAction* mnuHenkou = nullptr;
    QAction* mnuKaisi = nullptr;
    QAction* mnuTouryou = nullptr;
    QAction* mnuSenniti = nullptr;
    QAction* mnuSps2 = nullptr;
    QAction* syuryou = nullptr;
    QAction* mnuVer = nullptr;

    // Play a voice clip: Yomiage returns at once, Yomiage2 when the clip has ended.
    void Yomiage(const QString& clip) { sound.Yomiage(clip); }
    void Yomiage2(const QString& clip) { sound.Yomiage2(clip); }
    // Reads out the move count and the result of the game that ended.
    void Oshimai();
    // Ends the game with the result in Kekka: announced, shown, and offered for recording.
    void owari();

    // One tick of Timer1: counts a second when the wall clock's second has changed.
    void Timer1_Timer();
    // Three seconds after a time-out: confirm the loss on time, or give ten seconds back.
    void Timer2_Timer();
    // The window's character-key handler; KeyAscii as characterCode() counts it.
    void Form_KeyPress(int KeyAscii);
    void mnuHenkou_Click();
    void mnuKaisi_Click();
    void mnuTouryou_Click();
    void mnuSenniti_Click();
    void syuryou_Click();
    void mnuVer_Click();
    // Says the number typed in Text1 with 手にて 先手の勝ち, to try the voice.
    void cmd1_Click();
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Side;
    Side sideToMove();
    void chargeByoyomiSecond(Side& side);
    void endMove(bool side1);

    SoundPlayer sound;

    bool previewKey(QKeyEvent* event);
    void buildFace();
    void buildMenus();
    void readPlayerNames();
};
