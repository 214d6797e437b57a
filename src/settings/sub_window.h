#pragma once

#include "platform/reusable_dialog.h"

#include <array>

class Label;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SettingsDialog;
class frmMain;

// frmSub, "対局設定": the names, times, consideration minutes, byoyomi lengths and first
// player of the next game, and the start button that puts them on the clock.
class frmSub : public ReusableDialog {
    Q_OBJECT
public:
    frmSub(frmMain& main, SettingsDialog& module);

    QComboBox* cboT1 = nullptr;
    QComboBox* cboT2 = nullptr;
    QLineEdit* txtT11 = nullptr;
    QLineEdit* txtT12 = nullptr;
    QLineEdit* txtT21 = nullptr;
    QLineEdit* txtT22 = nullptr;
    QLineEdit* txtK1 = nullptr;
    QLineEdit* txtK2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QRadioButton* optTb1 = nullptr;
    QRadioButton* optTb2 = nullptr;
    std::array<QRadioButton*, 3> optI1{};
    std::array<QRadioButton*, 3> optI2{};
    std::array<Label*, 6> Label18{};
    QPushButton* cmdFg1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdFg2 = nullptr;
    QPushButton* cmdHikiwake = nullptr;

    void cmdOK_Click();
    void cmdHikiwake_Click();
    // The piece toss, by side 1 (cmdFg1) or side 2 (cmdFg2).
    void cmdFg_Click(bool side1);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildLayout();
    void buildNumberFields();
    void buildOptions();
    void buildButtons();
    void setTabOrder(const std::vector<QWidget*>& order);
    void Form_Load();
    bool startGame();

    frmMain& main_;
    SettingsDialog& module_;
};
