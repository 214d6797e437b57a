#pragma once

#include <QDialog>

class MessageBoxes;
class QPlainTextEdit;
class QPushButton;

// "結果出力": the finished game's seven-line summary, editable, appended to the result file by
// its button. The close box asks before it leaves the game unrecorded.
class ResultDialog : public QDialog {
    Q_OBJECT
public:
    ResultDialog(const QString& summary, MessageBoxes& messageBoxes, QWidget* parent);

    QPlainTextEdit* summaryEdit = nullptr;
    QPushButton* recordButton = nullptr;

    void record();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    MessageBoxes& messageBoxes_;
};
