#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class frmMain;

// frmFin, "結果出力": the finished game's seven-line summary, editable, appended to the
// result file by its button. The close box records nothing.
class frmFin : public QDialog {
    Q_OBJECT
public:
    explicit frmFin(frmMain& main);

    QPlainTextEdit* txtKekka = nullptr;
    QPushButton* Command1 = nullptr;

    void Command1_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();

    frmMain& main_;
};

// The summary of the game the main window shows, dated today.
QString resultSummary(const frmMain& main, const QString& today);
