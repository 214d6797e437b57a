#include "result/result_window.h"

#include "clock/main_window.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "platform/wall_clock.h"
#include "result/result_file.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString kTitle = QStringLiteral("結果出力");

} // namespace

QString resultSummary(const frmMain& m, const QString& today) {
    const auto remaining = [](const Label* name, const ClockTime& t, const Decimal& k) {
        return QStringLiteral("残り時間　") + name->text() + u' ' + t.toText() +
               QStringLiteral("(+") + k.toText() + u')';
    };
    const QStringList lines = {
        QStringLiteral("対局日") + today,
        m.Lblna1->text() + u'(' + m.Lblteban1->text() + QStringLiteral(")VS") + m.Lblna2->text() +
            u'(' + m.Lblteban2->text() + u')',
        QString::number(m.c1) + QStringLiteral("手にて") + m.Tkekka,
        remaining(m.Lblna1, m.t1, m.k1),
        remaining(m.Lblna2, m.t2, m.k2),
        QStringLiteral("TOTAL時間 ") + m.TT1.toText(),
        blockEndLine(),
    };
    return lines.join(QStringLiteral("\r\n"));
}

frmFin::frmFin(frmMain& main)
    : QDialog(&main, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , main_(main) {
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
    txtKekka = new QPlainTextEdit(this);
    txtKekka->setObjectName(QStringLiteral("txtKekka"));
    txtKekka->setGeometry(TwipsRect{600, 960, 3375, 1695}.toPixels());
    txtKekka->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtKekka->setTabChangesFocus(true); // a tab in the record would break its columns
    Command1 = new QPushButton(QStringLiteral("ＯＫ"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(TwipsRect{1560, 2760, 1455, 495}.toPixels());
    Command1->setAutoDefault(false); // Enter makes a new line in the box
    connect(Command1, &QPushButton::clicked, this, &frmFin::Command1_Click);
    Form_Load();
}

void frmFin::Form_Load() {
    txtKekka->setPlainText(resultSummary(main_, main_.platform.wallClock.todayShortText()));
}

// Esc would close the window as its close box does, and the game would go unrecorded by a
// stray key; the window has no cancel button.
void frmFin::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

// Records the summary as the box holds it. A character the file's code page can't hold is
// named before anything is written, and a failed write keeps the window and its text so that
// the user can mend the cause and press again, or copy the text.
void frmFin::Command1_Click() {
    const QString text = recordedBlock(txtKekka->toPlainText());
    MessageBoxes& boxes = main_.platform.messageBoxes;
    if (const QString lost = unencodableCharacters(text); !lost.isEmpty()) {
        const int answer = boxes.ask(
            this, {QStringLiteral("次の文字は「%1」の文字コード（シフトJIS）で書けないため、"
                                  "「?」として記録されます：\n%2\n\n"
                                  "OK でこのまま記録します。キャンセルで戻って直せます。")
                       .arg(QString::fromUtf8(kResultFile), lost),
                   kTitle, MessageBoxRequest::Buttons::OkCancel, MessageBoxRequest::Icon::Warning,
                   MessageBoxRequest::Default::Cancel});
        if (answer != kAnswerOk)
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
