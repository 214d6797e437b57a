#include "gui/result_dialog.h"

#include "core/result_file.h"
#include "core/text_file.h"
#include "gui/widgets/label.h"
#include "gui/widgets/message_box.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString kTitle = QStringLiteral("結果出力");

} // namespace

ResultDialog::ResultDialog(const QString& summary, MessageBoxes& messageBoxes, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , messageBoxes_(messageBoxes) {
    setWindowTitle(kTitle);
    setFixedSize(TwipsRect{0, 0, 4575, 3360}.toPixels().size());
    makeLabel(
        this,
        {"Label1", "対局は終了しました。", kDefaultFont, Qt::AlignLeft, {600, 240, 1815, 255}});
    makeLabel(this, {"Label2",
                     "下記の結果をファイルに出力します",
                     kDefaultFont,
                     Qt::AlignLeft,
                     {600, 600, 3375, 255}});
    summaryEdit = new QPlainTextEdit(this);
    summaryEdit->setObjectName(QStringLiteral("txtKekka"));
    summaryEdit->setGeometry(TwipsRect{600, 960, 3375, 1695}.toPixels());
    summaryEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    summaryEdit->setTabChangesFocus(true); // a tab in the record would break its columns
    recordButton = new QPushButton(QStringLiteral("ＯＫ"), this);
    recordButton->setObjectName(QStringLiteral("Command1"));
    recordButton->setGeometry(TwipsRect{1560, 2760, 1455, 495}.toPixels());
    recordButton->setAutoDefault(false); // Enter makes a new line in the box
    connect(recordButton, &QPushButton::clicked, this, &ResultDialog::record);
    summaryEdit->setPlainText(summary);
}

// Esc would drop the window without a question, and the game would go unrecorded by a stray
// key; the window has no cancel button.
void ResultDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

// A game left out of the result file is lost for good, so the close box asks first; a quick
// Enter keeps the window.
void ResultDialog::closeEvent(QCloseEvent* event) {
    const QDialog::DialogCode answer = messageBoxes_.ask(
        this, {QStringLiteral("記録せずに閉じますか？"), kTitle, MessageBoxRequest::Buttons::YesNo,
               MessageBoxRequest::Icon::Warning, MessageBoxRequest::Default::Cancel});
    if (answer == QDialog::Accepted)
        event->accept();
    else
        event->ignore();
}

// Records the summary as the box holds it. A character the file's code page can't hold is
// named before anything is written, and a failed write keeps the window and its text so that
// the user can mend the cause and press again, or copy the text.
void ResultDialog::record() {
    const QString text = recordedBlock(summaryEdit->toPlainText());
    MessageBoxes& boxes = messageBoxes_;
    if (const QString lost = unencodableCharacters(text); !lost.isEmpty()) {
        const QDialog::DialogCode answer = boxes.ask(
            this, {QStringLiteral("次の文字は「%1」の文字コード（シフトJIS）で書けないため、"
                                  "「?」として記録されます：\n%2\n\n"
                                  "OK でこのまま記録します。キャンセルで戻って直せます。")
                       .arg(QString::fromUtf8(kResultFile), lost),
                   kTitle, MessageBoxRequest::Buttons::OkCancel, MessageBoxRequest::Icon::Warning,
                   MessageBoxRequest::Default::Cancel});
        if (answer != QDialog::Accepted)
            return;
    }
    const auto failure = appendToFile(QString::fromUtf8(kResultFile), toCodePage932(text));
    if (failure) {
        boxes.ask(this,
                  {QStringLiteral("「%1」に結果を書き込めませんでした。\n理由：%2\n\n"
                                  "原因を取り除いてから、もう一度 ＯＫ を押してください。"
                                  "結果の文章はこの画面からコピーすることもできます。")
                       .arg(QString::fromUtf8(kResultFile), *failure),
                   kTitle, MessageBoxRequest::Buttons::Ok, MessageBoxRequest::Icon::Critical});
        return;
    }
    accept();
}
