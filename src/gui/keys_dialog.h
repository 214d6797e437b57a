#pragma once

#include "core/input_options.h"

#include <QDialog>

class QPushButton;

// "操作方法": every key of the clock, the move keys as they are set, and what each does when,
// for players who never read a manual.
class KeysDialog : public QDialog {
    Q_OBJECT
public:
    KeysDialog(const InputOptions& options, QWidget* parent);

    QPushButton* okButton = nullptr;
};
