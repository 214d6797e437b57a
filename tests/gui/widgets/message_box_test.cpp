#include "gui/widgets/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Asks through a real message box and answers it with a key.
QDialog::DialogCode answerWithKey(const MessageBoxRequest& request, Qt::Key key) {
    QTimer::singleShot(50, [key] {
        if (QWidget* box = QApplication::activeModalWidget())
            QTest::keyClick(box, key);
    });
    QtMessageBoxes boxes;
    return boxes.ask(nullptr, request);
}

} // namespace

TEST(QtMessageBoxes, DefaultAndEscapeButtonsAnswerAsTheClockExpects) {
    using R = MessageBoxRequest;
    const R confirm{"左本当に終了しますか？", "終了", R::Buttons::OkCancel, R::Icon::Warning,
                    R::Default::Cancel};
    EXPECT_EQ(answerWithKey(confirm, Qt::Key_Return), QDialog::Rejected);
    EXPECT_EQ(answerWithKey(confirm, Qt::Key_Escape), QDialog::Rejected);
    const R resign{"左さん本当に投了しますか？", "投了", R::Buttons::OkCancel, R::Icon::Warning};
    EXPECT_EQ(answerWithKey(resign, Qt::Key_Return), QDialog::Accepted);
    EXPECT_EQ(answerWithKey({"10秒戻します", "戻します"}, Qt::Key_Return), QDialog::Accepted);
    EXPECT_EQ(answerWithKey({"<b>名前</b>", "終了"}, Qt::Key_Escape), QDialog::Accepted);
}

TEST(QtMessageBoxes, TextIsPlain) {
    QTimer::singleShot(50, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        box->close();
    });
    QtMessageBoxes().ask(nullptr, {"<b>X</b>", "t", MessageBoxRequest::Buttons::OkCancel,
                                   MessageBoxRequest::Icon::Warning});
}
