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
class PresetPanel;
class QRadioButton;
class QSpinBox;
struct Services;
struct StoredSettings;

// "対局設定": the names, times, consideration minutes, byoyomi lengths and first player of the
// next game, and the start button that puts them on the clock. Beside them: the time
// control, any byoyomi length, the increment, and the presets. It opens with the time control
// of the last game started.
class SettingsDialog : public ReusableDialog {
    Q_OBJECT
public:
    SettingsDialog(GameClock& game, InputLayer& input, Services& services, StoredSettings& stored,
                   QWidget* parent);

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
    QComboBox* modeBox = nullptr;
    std::array<QSpinBox*, 2> byoyomiLengthBoxes{};
    QSpinBox* incrementBox = nullptr;
    PresetPanel* presets = nullptr;

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
    // Fills every field but the names and the first player.
    void fill(const GameSettings& settings);

private:
    struct SideFields {
        QComboBox* name;
        QLineEdit* hours;
        QLineEdit* minutes;
        QLineEdit* consideration;
        QSpinBox* byoyomiLength;
    };
    SideFields fieldsOf(Side side) const;
    void buildLayout();
    void buildNumberFields();
    void buildOptions();
    void buildButtons();
    void buildTimeControls();
    void showMode();
    void setTabOrder(const std::vector<QWidget*>& order);
    void fillNameBoxes();

    GameClock& game_;
    Services& services_;
    StoredSettings& stored_;
};
