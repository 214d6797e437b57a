#pragma once

#include <QDialog>

class QPushButton;

// "操作方法": every key of the clock and what it does when, for players who never read a
// manual.
class KeysDialog : public QDialog {
    Q_OBJECT
public:
    explicit KeysDialog(QWidget* parent);

    QPushButton* okButton = nullptr;
};
