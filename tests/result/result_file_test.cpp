#include "clock/main_window.h"
#include "platform/ui_timer.h"
#include "result/result_file.h"
#include "result/result_window.h"
#include "support/fakes.h"
#include "support/game.h"
#include "support/working_folder.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

const QString kResults = QStringLiteral("対局結果.txt");

class ResultFile : public testing::Test {
protected:
    ResultFile() {
        folder.write("対局者.txt", cp932("山田 太郎\r\n佐藤 花子\r\n"));
        EXPECT_TRUE(m.Form_Load());
        startGame(m);
        m.Timer1->setEnabled(false);
        m.c1 = 97;
        m.t1 = ClockTime();
        m.t2 = ClockTime::fromHms(0, 3, 27);
        m.k1 = Decimal(2);
        m.k2 = *Decimal::parse(u"0.5");
        m.TT1 = ClockTime::fromHms(1, 2, 3);
        m.Tkekka = "先手 山田 太郎の勝ち(投了)";
    }

    QString expectedBlock() const {
        return "対局日" + fakes.wallClock.todayShortText() +
               "\r\n山田 太郎(先手)VS佐藤 花子(後手)"
               "\r\n97手にて先手 山田 太郎の勝ち(投了)"
               "\r\n残り時間　山田 太郎 0:00:00(+2)"
               "\r\n残り時間　佐藤 花子 0:03:27(+0.5)"
               "\r\nTOTAL時間 1:02:03"
               "\r\n----------------------------------\r\n";
    }

    WorkingFolder folder;
    FakePlatform fakes;
    frmMain m{fakes.platform};
};

} // namespace

TEST_F(ResultFile, TheFirstGameCreatesTheFileWithTheExactBytes) {
    frmFin fin(m);
    QTest::mouseClick(fin.Command1, Qt::LeftButton);
    EXPECT_EQ(folder.read(kResults), cp932(expectedBlock()));
    EXPECT_TRUE(expectedBlock().contains(u'\u3000'));
    EXPECT_EQ(QString(34, u'-'), "----------------------------------");
    EXPECT_EQ(fin.result(), QDialog::Accepted);
    EXPECT_TRUE(fakes.messageBoxes.asked.empty());
}

TEST_F(ResultFile, ASecondGameAppendsAndEditsAreWritten) {
    folder.write(kResults, QByteArray("earlier\xff\xfe bytes\r\n")); // whatever it holds stays
    frmFin(m).Command1_Click();
    m.Tkekka = "引き分け";
    frmFin second(m);
    second.txtKekka->appendPlainText("メモ");
    second.Command1_Click();
    const QString draw = QString(expectedBlock())
                             .replace("97手にて先手 山田 太郎の勝ち(投了)", "97手にて引き分け")
                             .replace("-\r\n", "-\r\nメモ\r\n" + blockEndLine() + "\r\n");
    EXPECT_EQ(folder.read(kResults),
              QByteArray("earlier\xff\xfe bytes\r\n") + cp932(expectedBlock()) + cp932(draw));
}

TEST_F(ResultFile, TheCloseBoxRecordsNothing) {
    frmFin fin(m);
    fin.show();
    fin.close();
    EXPECT_FALSE(QFile::exists(folder.path(kResults)));
}

TEST_F(ResultFile, AFileThatCantBeWrittenKeepsTheWindowAndItsText) {
    QDir().mkdir(kResults); // a folder where the file should be
    frmFin fin(m);
    fin.show();
    fin.txtKekka->appendPlainText("edited");
    QTest::mouseClick(fin.Command1, Qt::LeftButton);
    ASSERT_EQ(fakes.messageBoxes.asked.size(), 1u);
    EXPECT_TRUE(fakes.messageBoxes.asked[0].text.contains(kResults));
    EXPECT_EQ(fakes.messageBoxes.asked[0].icon, MessageBoxRequest::Icon::Critical);
    EXPECT_TRUE(fin.isVisible());
    EXPECT_TRUE(fin.txtKekka->toPlainText().endsWith("edited"));
    QDir().rmdir(kResults); // the cause mended, the same button records it
    QTest::mouseClick(fin.Command1, Qt::LeftButton);
    EXPECT_TRUE(folder.read(kResults).endsWith(cp932("edited\r\n" + blockEndLine() + "\r\n")));
    EXPECT_FALSE(fin.isVisible());
}

TEST_F(ResultFile, StrayKeysNeitherCloseTheWindowNorBreakTheRecord) {
    frmFin fin(m);
    fin.show();
    fin.txtKekka->setFocus();
    QTest::keyClick(fin.txtKekka, Qt::Key_Escape);
    EXPECT_TRUE(fin.isVisible());
    QTest::keyClick(fin.txtKekka, Qt::Key_Tab);
    EXPECT_FALSE(fin.txtKekka->toPlainText().contains(u'\t'));
}

// Players still pressing keys after the result message type them into the box.
TEST_F(ResultFile, KeysHitAfterTheResultMessageStayOutOfTheRecord) {
    frmFin fin(m);
    fin.show();
    fin.txtKekka->setFocus();
    fin.txtKekka->moveCursor(QTextCursor::Start);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Return, Qt::Key_Space, Qt::Key_Return})
        QTest::keyClick(fin.txtKekka, key);
    fin.txtKekka->moveCursor(QTextCursor::End);
    QTest::keyClick(fin.txtKekka, Qt::Key_Return);
    QTest::mouseClick(fin.Command1, Qt::LeftButton);
    EXPECT_EQ(folder.read(kResults), cp932(expectedBlock()));
}

TEST_F(ResultFile, AReadOnlyFolderIsReportedNotSwallowed) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    QFile::setPermissions(folder.path("."), QFile::ReadOwner | QFile::ExeOwner);
    frmFin fin(m);
    fin.Command1_Click();
    QFile::setPermissions(folder.path("."), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(fakes.messageBoxes.asked.size(), 1u);
    EXPECT_FALSE(QFile::exists(folder.path(kResults)));
}

TEST_F(ResultFile, CharactersTheCodePageCantHoldAreNamedFirst) {
    frmFin fin(m);
    fin.txtKekka->appendPlainText("한국 😀 한");
    fakes.messageBoxes.answers = {kAnswerCancel};
    fin.Command1_Click();
    ASSERT_EQ(fakes.messageBoxes.asked.size(), 1u);
    const MessageBoxRequest& box = fakes.messageBoxes.asked[0];
    EXPECT_TRUE(box.text.contains("한국😀")) << box.text.toStdString();
    EXPECT_EQ(box.defaultButton, MessageBoxRequest::Default::Cancel);
    EXPECT_FALSE(QFile::exists(folder.path(kResults))); // back to edit: nothing written

    fin.Command1_Click(); // OK: written with "?" in their place
    EXPECT_TRUE(folder.read(kResults).endsWith(cp932("-\r\n?? ? ?\r\n" + blockEndLine() + "\r\n")));
}

TEST(ResultFileText, CodePage932Conversion) {
    EXPECT_EQ(unencodableCharacters("山田　太郎 ①ｱ"), "");
    EXPECT_EQ(unencodableCharacters("a😀b😀ß"), "😀ß");
    EXPECT_EQ(toCodePage932("表😀"), QByteArray("\x95\x5c?"));
    // As typed on other systems, written as Windows writes them.
    EXPECT_EQ(unencodableCharacters("〜−‖¢£¬"), "");
    EXPECT_EQ(toCodePage932("〜−‖¢£¬～"),
              QByteArray("\x81\x60\x81\x7c\x81\x61\x81\x91\x81\x92\x81\xca\x81\x60"));
}

TEST(ResultFileText, BlankLinesAroundTheTextGoAndTheClosingLineStays) {
    const QString end = blockEndLine() + "\r\n";
    const struct {
        const char* box;
        QString block;
    } rows[] = {
        {"\n\n \nA\nB", "A\r\nB\r\n" + end},
        {"A\n\u3000\n\nB\n\n", "A\r\n\u3000\r\n\r\nB\r\n" + end},
        {"A\r\n----------------------------------\n\n\t\n", "A\r\n" + end},
        {"", end},
    };
    for (const auto& row : rows)
        EXPECT_EQ(recordedBlock(QString::fromUtf8(row.box)), row.block) << row.box;
}
