#pragma once

#include <QDialog>

class Label;
class QLabel;
class QPushButton;

// The about window: the application's title, version and a warning line.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);

    QLabel* iconImage = nullptr;
    Label* titleLabel = nullptr;
    Label* versionLabel = nullptr;
    Label* descriptionLabel = nullptr;
    Label* warningLabel = nullptr;
    QPushButton* okButton = nullptr;

private:
    void fillTexts();
};

// "ﾊﾞｰｼﾞｮﾝ 7.3.0" for major 7, minor 3, revision 0.
QString versionLine(int major, int minor, int revision);
