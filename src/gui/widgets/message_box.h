#pragma once

#include <QString>

class QWidget;

// A modal message box as the clock uses them: plain text, OK, OK/Cancel or はい/いいえ, an
// optional warning icon and a choice of default button. Answers are 1 (OK, はい) and 2
// (Cancel, いいえ).
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

inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual int ask(QWidget* parent, const MessageBoxRequest& request) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    int ask(QWidget* parent, const MessageBoxRequest& request) override;
};

// "ちゃんとした数値を入力して下さい！": a field of a dialog holds no number, or one out of range.
void tellBadNumber(MessageBoxes& boxes, QWidget* dialog);
