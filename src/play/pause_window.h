#pragma once

#include "platform/reusable_dialog.h"

#include <array>

class Label;
class QPushButton;
class frmMain;

// frmTyuudan, "対局中断ﾒﾆｭｰ": a snapshot of the paused game and the ways on from it:
// resume, resign, replay with the colours reversed, or end with a chosen result.
class frmTyuudan : public ReusableDialog {
    Q_OBJECT
public:
    explicit frmTyuudan(frmMain& main);

    Label* Lblteban3 = nullptr;
    Label* Lblteme = nullptr;
    Label* lblTT1 = nullptr;
    Label* Lblteban1 = nullptr;
    Label* Lblna1 = nullptr;
    Label* Lblt1 = nullptr;
    Label* Lblk1 = nullptr;
    Label* Lblteban2 = nullptr;
    Label* Lblna2 = nullptr;
    Label* Lblt2 = nullptr;
    Label* Lblk2 = nullptr;
    Label* lblTouryou = nullptr;
    Label* lblSna = nullptr;
    Label* lblGna = nullptr;
    QPushButton* cmdSaikai = nullptr;
    QPushButton* cmdTouryou = nullptr;
    QPushButton* cmdSashinaoshi = nullptr;
    std::array<QPushButton*, 3> cmdSyuuryou{};

    // Fills the snapshot from the main window before a showing.
    void fill();

    void cmdSaikai_Click();
    void cmdTouryou_Click();
    void cmdSashinaoshi_Click();
    void cmdSyuuryou_Click(int Index);

private:
    void buildButtons();
    bool previewKey(int key, int KeyAscii);

    frmMain& main_;
};
