#pragma once

#include "furigoma/toss.h"

#include <QDialog>
#include <array>

class Label;
class QLabel;
class QPushButton;
class UiTimer;
class frmMain;

// frmFurigoma, "振駒": three pieces tossed and turning until they rest, the outcome in two
// lines, and the first player written into the settings dialog; it closes itself three
// seconds later. Loaded afresh for each toss, which starts by itself.
class frmFurigoma : public QDialog {
    Q_OBJECT
public:
    explicit frmFurigoma(frmMain& main);

    Label* lblFk1 = nullptr;
    Label* lblFk2 = nullptr;
    std::array<QLabel*, 3> pieceImages{}; // imgK11, imgK21, imgK31
    std::array<QLabel*, 8> imgK1{};       // the frames, hidden
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdFuru = nullptr;
    UiTimer* tmrAni = nullptr;
    UiTimer* tmrStop = nullptr;

    const Toss& toss() const { return toss_; }

    void cmdFuru_Click();
    void tmrAni_Timer();
    void tmrStop_Timer();

private:
    void buildLayout();
    void Form_Load();
    void showFrame(std::size_t piece, int frame);
    void finish();

    frmMain& main_;
    Toss toss_;
};
