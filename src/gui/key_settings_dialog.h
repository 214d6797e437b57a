#pragma once

#include "core/input_layer.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QPushButton;

// "キー設定": each side's move keys, recorded by pressing them, and whether a tap on a side's
// half of the face ends its move. It edits a copy of the input layer's options, which OK
// leaves for the caller to take; a key that already does something is refused, saying what.
class KeySettingsDialog : public QDialog {
    Q_OBJECT
public:
    KeySettingsDialog(InputLayer& input, QWidget* parent);

    InputOptions options() const;
    // Takes the next key pressed in the window as one more of the side's keys; Esc stops.
    void record(Side side);
    bool recording() const { return recording_.has_value(); }
    // Refuses to close while a side has no key.
    void accept() override;

    // Per side, indexed by indexOf().
    std::array<QLabel*, 2> keysLabels{};
    std::array<QPushButton*, 2> addButtons{};
    std::array<QPushButton*, 2> clearButtons{};
    QCheckBox* tapBox = nullptr;
    QLabel* messageLabel = nullptr;
    QPushButton* defaultsButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

private:
    void buildLayout();
    void buildSideRow(QGridLayout* grid, Side side);
    QDialogButtonBox* buildButtons();
    bool previewKey(const QKeyEvent& key);
    void take(int key);
    std::optional<QString> refusal(int key, Side side) const;
    void showKeys();

    const InputLayer& input_;
    InputOptions options_;
    std::optional<Side> recording_;
};
