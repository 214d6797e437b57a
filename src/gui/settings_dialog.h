#pragma once

#include "core/game_settings.h"
#include "core/side.h"
#include "gui/widgets/reusable_dialog.h"

#include <array>

class GameClock;
class InputLayer;
class Label;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct Services;

// "対局設定": the names, times, consideration minutes, byoyomi lengths and first player of the
// next game, and the start button that puts them on the clock.
class SettingsDialog : public ReusableDialog {
    Q_OBJECT
public:
    SettingsDialog(GameClock& game, InputLayer& input, Services& services, QWidget* parent);

    QComboBox* leftNameBox = nullptr;
    QComboBox* rightNameBox = nullptr;
    QLineEdit* leftHoursEdit = nullptr;
    QLineEdit* leftMinutesEdit = nullptr;
    QLineEdit* rightHoursEdit = nullptr;
    QLineEdit* rightMinutesEdit = nullptr;
    QLineEdit* leftConsiderationEdit = nullptr;
    QLineEdit* rightConsiderationEdit = nullptr;
    QGroupBox* firstPlayerGroup = nullptr;
    QGroupBox* leftByoyomiGroup = nullptr;
    QGroupBox* rightByoyomiGroup = nullptr;
    QRadioButton* leftFirstOption = nullptr;
    QRadioButton* rightFirstOption = nullptr;
    std::array<QRadioButton*, 3> leftByoyomiOptions{};
    std::array<QRadioButton*, 3> rightByoyomiOptions{};
    std::array<Label*, 6> byoyomiCaptions{};
    QPushButton* leftTossButton = nullptr;
    QPushButton* startButton = nullptr;
    QPushButton* rightTossButton = nullptr;
    QPushButton* drawInsteadButton = nullptr;

    // Starts the game the fields describe; a bad field is reported, focused, and nothing of
    // the fields is applied.
    void start();
    void settleAsDraw();
    void toss(Side tosser);
    // Shows the draw button, which only a replay offers, and the height that holds it.
    void offerDraw(bool offered);
    // Selects who moves first, as a replay or a toss decides it.
    void selectFirstPlayer(Side side);
    GameSettings settings() const;

private:
    void buildLayout();
    void buildNumberFields();
    void buildOptions();
    void buildButtons();
    void setTabOrder(const std::vector<QWidget*>& order);
    void fillNameBoxes();

    GameClock& game_;
    Services& services_;
};
