#pragma once

#include <QDialog>
#include <QString>

// A modal message box as the clock uses them: plain text, OK, OK/Cancel or はい/いいえ, an
// optional warning icon and a choice of default button. OK and はい accept the box; Cancel,
// いいえ and Esc reject it.
struct MessageBoxRequest {
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Icon { None, Warning, Critical };
    enum class Default { Ok, Cancel };

    QString text;
    QString title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Default defaultButton = Default::Ok;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual QDialog::DialogCode ask(QWidget* parent, const MessageBoxRequest& request) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    QDialog::DialogCode ask(QWidget* parent, const MessageBoxRequest& request) override;
};

// "ちゃんとした数値を入力して下さい！": a field of a dialog holds no number, or one out of range.
void tellBadNumber(MessageBoxes& boxes, QWidget* dialog);
