#pragma once

#include <QDialog>

class Label;
class QLabel;
class QPushButton;

// frmAbout: the application's title, version and a warning line.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent);

    QLabel* picIcon = nullptr;
    Label* lblTitle = nullptr;
    Label* lblVersion = nullptr;
    Label* lblDescription = nullptr;
    Label* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    void Form_Load();
};

// "ﾊﾞｰｼﾞｮﾝ 7.3.0" for major 7, minor 3, revision 0.
QString versionLine(int major, int minor, int revision);
