#include "gui/widgets/message_box.h"

#include "app_info.h"

#include <QMessageBox>
#include <QPushButton>

QDialog::DialogCode QtMessageBoxes::ask(QWidget* parent, const MessageBoxRequest& request) {
    using R = MessageBoxRequest;
    QMessageBox box(parent);
    box.setTextFormat(Qt::PlainText); // names come from files and users
    box.setText(request.text);
    box.setWindowTitle(request.title);
    const auto icon = request.icon == R::Icon::Warning    ? QMessageBox::Warning
                      : request.icon == R::Icon::Critical ? QMessageBox::Critical
                                                          : QMessageBox::NoIcon;
    box.setIcon(icon);
    const bool yesNo = request.buttons == R::Buttons::YesNo;
    QPushButton* ok = yesNo ? box.addButton(QStringLiteral("はい"), QMessageBox::YesRole)
                            : box.addButton(QMessageBox::Ok);
    QPushButton* cancel = nullptr;
    if (yesNo)
        cancel = box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
    else if (request.buttons == R::Buttons::OkCancel)
        cancel = box.addButton(QMessageBox::Cancel);
    if (cancel)
        box.setEscapeButton(cancel);
    box.setDefaultButton(request.defaultButton == R::Default::Cancel && cancel ? cancel : ok);
    box.exec();
    return cancel && box.clickedButton() != ok ? QDialog::Rejected : QDialog::Accepted;
}

void tellBadNumber(MessageBoxes& boxes, QWidget* dialog) {
    boxes.ask(dialog, {QStringLiteral("ちゃんとした数値を入力して下さい！"),
                       QString::fromUtf8(app_info::kTitle)});
}
