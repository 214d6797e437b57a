#pragma once

#include "core/correction.h"

#include <QDialog>
#include <array>

class GameClock;
class Label;
class MessageBoxes;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "時間修正": the arbiter's correction of a paused game, opened from the pause window and
// filled with the game's values. OK puts them on the clock; キャンセル and Esc drop them.
class CorrectionDialog : public QDialog {
    Q_OBJECT
public:
    // One side's column.
    struct SideFields {
        Label* role = nullptr;
        Label* name = nullptr;
        QLineEdit* hours = nullptr;
        QLineEdit* minutes = nullptr;
        QLineEdit* seconds = nullptr;
        QLineEdit* period = nullptr;
        QLineEdit* consideration = nullptr;
    };

    CorrectionDialog(GameClock& game, MessageBoxes& messageBoxes, QWidget* parent);

    std::array<SideFields, 2> sides; // by indexOf(Side)
    QLineEdit* moveNumberEdit = nullptr;
    QRadioButton* senteToMoveOption = nullptr;
    QRadioButton* goteToMoveOption = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // The field a correction check names.
    QLineEdit* edit(CorrectionField field) const;
    Correction correction() const;
    // Applies the fields and closes; a bad field is reported and focused, nothing applied.
    void apply();

private:
    void buildSide(Side side, int left);
    void fill();

    GameClock& game_;
    MessageBoxes& messageBoxes_;
    std::array<QLineEdit*, std::size_t(CorrectionField::MoveNumber) + 1> edits_{};
};
