// The result window: what its button appends to the result file, byte for byte, and how it
// keeps the players' text when the file can't take it.

#include "core/result_file.h"
#include "gui/result_dialog.h"
#include "support/fake_services.h"
#include "support/working_folder.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QString kResults = QStringLiteral("対局結果.txt");

const QString kSummary = QStringLiteral("対局日2026/12/08"
                                        "\r\n山田 太郎(先手)VS佐藤 花子(後手)"
                                        "\r\n97手にて先手 山田 太郎の勝ち(投了)"
                                        "\r\n残り時間　山田 太郎 0:00:00(+2)"
                                        "\r\n残り時間　佐藤 花子 0:03:27(+0.5)"
                                        "\r\nTOTAL時間 1:02:03"
                                        "\r\n----------------------------------");
const QString kBlock = kSummary + QStringLiteral("\r\n");

// The block's end, after whatever the players typed last.
QByteArray endingWith(const QString& lastLine) {
    return cp932(lastLine + "\r\n" + blockEndLine() + "\r\n");
}

class ResultWindow : public testing::Test {
protected:
    ResultWindow() {
        window.show();
        window.summaryEdit->setFocus();
    }

    void record() { QTest::mouseClick(window.recordButton, Qt::LeftButton); }

    WorkingFolder folder;
    ScriptedMessageBoxes boxes;
    ResultDialog window{kSummary, boxes, nullptr};
};

} // namespace

TEST_F(ResultWindow, TheFirstGameCreatesTheFileWithTheExactBytes) {
    record();
    EXPECT_EQ(folder.read(kResults), cp932(kBlock));
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(boxes.asked.empty());
}

TEST_F(ResultWindow, ALaterGameIsAppendedWithTheEditsMade) {
    const QByteArray earlier("earlier\xff\xfe bytes\r\n"); // whatever the file holds stays
    folder.write(kResults, earlier);
    record();
    const QString draw = QString(kSummary).replace("先手 山田 太郎の勝ち(投了)", "引き分け");
    ResultDialog second(draw, boxes, nullptr);
    second.summaryEdit->appendPlainText("メモ");
    QTest::mouseClick(second.recordButton, Qt::LeftButton);
    EXPECT_EQ(folder.read(kResults),
              earlier + cp932(kBlock) + cp932(draw + "\r\nメモ\r\n" + blockEndLine() + "\r\n"));
}

TEST_F(ResultWindow, TheCloseBoxAsksAndRecordsNothing) {
    boxes.answers = {QDialog::Rejected, QDialog::Accepted};
    window.close();
    EXPECT_TRUE(window.isVisible());
    window.close();
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(boxes.asked.size(), 2u);
    EXPECT_EQ(boxes.asked[0].text, QStringLiteral("記録せずに閉じますか？"));
    EXPECT_EQ(boxes.asked[0].buttons, MessageBoxRequest::Buttons::YesNo);
    EXPECT_EQ(boxes.asked[0].defaultButton, MessageBoxRequest::Default::Cancel);
    EXPECT_FALSE(QFile::exists(folder.path(kResults)));
}

TEST_F(ResultWindow, AFileThatCantBeWrittenKeepsTheWindowAndItsText) {
    QDir().mkdir(kResults); // a folder where the file should be
    window.summaryEdit->appendPlainText("edited");
    record();
    ASSERT_EQ(boxes.asked.size(), 1u);
    EXPECT_TRUE(boxes.asked[0].text.contains(kResults));
    EXPECT_EQ(boxes.asked[0].icon, MessageBoxRequest::Icon::Critical);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.summaryEdit->toPlainText().endsWith("edited"));
    QDir().rmdir(kResults); // the cause mended, the same button records it
    record();
    EXPECT_TRUE(folder.read(kResults).endsWith(endingWith("edited")));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ResultWindow, AReadOnlyFolderIsReportedNotSwallowed) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    QFile::setPermissions(folder.path("."), QFile::ReadOwner | QFile::ExeOwner);
    record();
    QFile::setPermissions(folder.path("."), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(boxes.asked.size(), 1u);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(QFile::exists(folder.path(kResults)));
}

TEST_F(ResultWindow, StrayKeysNeitherCloseTheWindowNorBreakTheRecord) {
    QTest::keyClick(window.summaryEdit, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(window.summaryEdit, Qt::Key_Tab);
    EXPECT_FALSE(window.summaryEdit->toPlainText().contains(u'\t'));
}

// Players still pressing their move keys after the result message type them into the box.
TEST_F(ResultWindow, KeysHitAfterTheResultMessageStayOutOfTheRecord) {
    window.summaryEdit->moveCursor(QTextCursor::Start);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Return, Qt::Key_Space, Qt::Key_Return})
        QTest::keyClick(window.summaryEdit, key);
    window.summaryEdit->moveCursor(QTextCursor::End);
    QTest::keyClick(window.summaryEdit, Qt::Key_Return);
    record();
    EXPECT_EQ(folder.read(kResults), cp932(kBlock));
}

TEST_F(ResultWindow, CharactersTheCodePageCantHoldAreNamedFirst) {
    window.summaryEdit->appendPlainText("한국 😀 한");
    boxes.answers = {QDialog::Rejected};
    record();
    ASSERT_EQ(boxes.asked.size(), 1u);
    const MessageBoxRequest& box = boxes.asked[0];
    EXPECT_TRUE(box.text.contains("한국😀")) << box.text.toStdString();
    EXPECT_EQ(box.buttons, MessageBoxRequest::Buttons::OkCancel);
    EXPECT_EQ(box.defaultButton, MessageBoxRequest::Default::Cancel);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(QFile::exists(folder.path(kResults))); // back to edit: nothing written

    record(); // OK: written with "?" in their place
    EXPECT_TRUE(folder.read(kResults).endsWith(endingWith("?? ? ?")));
}
