#include "clock/main_window.h"
#include "platform/label.h"
#include "platform/ui_timer.h"
#include "settings/sub_window.h"
#include "support/fakes.h"
#include "support/game.h"
#include "support/modal.h"
#include "support/working_folder.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QColor kLightCyan(0xC0, 0xFF, 0xFF);
const QColor kNavy(0x00, 0x00, 0x80);

class GameStart : public testing::Test {
protected:
    GameStart() {
        folder.write("対局者.txt", cp932("羽田\r\n表\r\n"));
        EXPECT_TRUE(m.Form_Load());
        m.show();
    }

    // Opens the settings (from the menu unless told otherwise), lets fill change the fields,
    // clicks 対局開始.
    void startThroughTheDialog(const std::function<void(frmSub&)>& fill,
                               const std::function<void()>& open = {}) {
        onModal<frmSub>([fill](frmSub& dialog) {
            frmSub* sub = &dialog;
            fill(*sub);
            QTest::mouseClick(sub->cmdOK, Qt::LeftButton);
            if (sub->isVisible())
                sub->hide(); // a failed start leaves it open; the test looks afterwards
        });
        if (open)
            open();
        else
            m.mnuHenkou->trigger();
    }

    static void type(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    QColor pictureColor(QLabel* box) const { return box->pixmap().toImage().pixelColor(100, 100); }

    // Everything a start writes, as the players see it and as the clock holds it.
    QStringList gameAsShown() const {
        QStringList shown;
        for (const Label* label : m.findChildren<Label*>())
            shown << label->objectName() + '=' + label->text() + ' ' + label->textColor().name();
        for (QLabel* picture : {m.Picture1, m.Picture2})
            shown << pictureColor(picture).name();
        shown << m.t1.toText() << m.t2.toText() << m.k1.value().toText() << m.k2.value().toText()
              << QString::number(m.tb) << QString::number(m.tbs) << QString::number(m.c1)
              << QString::number(m.Timer1->enabled()) << QString::number(m.mnuHenkou->isEnabled())
              << QString::number(m.mnuKaisi->isEnabled());
        return shown;
    }

    WorkingFolder folder;
    FakePlatform fakes;
    frmMain m{fakes.platform};
};

} // namespace

TEST_F(GameStart, TheDefaultsGame) {
    startThroughTheDialog([](frmSub&) {});
    EXPECT_EQ(m.Lblna1->text(), "羽田");
    EXPECT_EQ(m.Lblna2->text(), "表");
    EXPECT_EQ(m.t1, ClockTime::fromHms(0, 15, 0));
    EXPECT_EQ(m.t2, ClockTime::fromHms(0, 15, 0));
    EXPECT_EQ(m.Lblt1->text(), "0:15:00");
    EXPECT_EQ(m.Lblt2->text(), "0:15:00");
    for (const auto* k : {&m.k1, &m.k1s, &m.k2, &m.k2s})
        EXPECT_EQ(k->value(), Decimal(10));
    EXPECT_EQ(m.Lblk1->text(), "10");
    for (const auto* n : {&m.tbs11, &m.ts11, &m.tbs12, &m.ts12})
        EXPECT_EQ(*n, 30);
    EXPECT_EQ(m.Lblt11S->text(), "30");
    EXPECT_EQ(m.Lblt12S->text(), "30");
    EXPECT_EQ(m.t11, 0);
    EXPECT_EQ(m.Lblt11->text(), "0");
    EXPECT_EQ(m.Lblteme->text(), "1手目");
    EXPECT_EQ(m.Lblteban3->text(), "先手番");
    EXPECT_EQ(m.lblTT1->text(), "0:00:00");
    EXPECT_TRUE(m.tb);
    EXPECT_TRUE(m.tbs);
    EXPECT_EQ(m.Lblteban1->text(), "先手");
    EXPECT_EQ(m.Lblteban2->text(), "後手");
    EXPECT_EQ(pictureColor(m.Picture1), QColor(Qt::darkRed)); // the sente picture
    EXPECT_EQ(pictureColor(m.Picture2), QColor(Qt::yellow));
    for (Label* label : {m.Lblk1, m.LblH1, m.LblN1})
        EXPECT_EQ(label->textColor(), kLightCyan);
    for (Label* label : {m.Lblk2, m.LblH2, m.LblN2})
        EXPECT_EQ(label->textColor(), kNavy);

    EXPECT_TRUE(m.Timer1->enabled());
    EXPECT_TRUE(m.mnuKaisi->isEnabled());
    EXPECT_EQ(m.mnuKaisi->text(), "対局中断(P)");
    EXPECT_TRUE(m.mnuTouryou->isEnabled());
    EXPECT_TRUE(m.mnuSenniti->isEnabled());
    EXPECT_FALSE(m.mnuHenkou->isEnabled());
    EXPECT_EQ(m.Label4->text(), "P：対局中断");
    EXPECT_FALSE(m.Text1->isEnabled());
    EXPECT_FALSE(m.cmd1->isEnabled());
    EXPECT_FALSE(m.Jg);
    EXPECT_FALSE(m.Jg.isEmpty());
    EXPECT_FALSE(m.Tr);
    EXPECT_EQ(m.Kekka, "");
    EXPECT_EQ(fakes.mmctl.clips(),
              (std::vector<RecordingAudioDevice::Clip>{{"sound/Yoroone.wav", false}}));
    EXPECT_TRUE(m.settings.isLoaded());
    EXPECT_FALSE(m.settings.form().isVisible());
    EXPECT_TRUE(fakes.messageBoxes.asked.empty());
}

TEST_F(GameStart, Side2MovingFirstSwapsRolesPicturesAndColours) {
    startThroughTheDialog([](frmSub& sub) { QTest::mouseClick(sub.optTb2, Qt::LeftButton); });
    EXPECT_FALSE(m.tb);
    EXPECT_FALSE(m.tbs);
    EXPECT_EQ(m.Lblteban1->text(), "後手");
    EXPECT_EQ(m.Lblteban2->text(), "先手");
    EXPECT_EQ(pictureColor(m.Picture1), QColor(Qt::yellow));
    EXPECT_EQ(pictureColor(m.Picture2), QColor(Qt::darkRed));
    EXPECT_EQ(m.Lblk2->textColor(), kLightCyan);
    EXPECT_EQ(m.Lblk1->textColor(), kNavy);
    EXPECT_EQ(m.Lblteban3->text(), "先手番");
}

TEST_F(GameStart, ConversionsOfTheTypedNumbers) {
    const struct {
        const char *hours, *minutes, *minutes2, *consideration;
        const char *t1, *t2, *k1;
    } rows[] = {
        {"1", "30", "15", "10", "1:30:00", "0:15:00", "10"},
        {"0", "0", "0", "0", "0:00:00", "0:00:00", "0"},
        {"0", "6.5", "7.5", "2.5", "0:06:00", "0:08:00", "2.5"},
        {"２", "１５", "0", "３", "2:15:00", "0:00:00", "3"},
    };
    for (const auto& row : rows) {
        frmSub& sub = m.settings.form();
        sub.txtT11->setText(row.hours);
        sub.txtT12->setText(row.minutes);
        sub.txtT22->setText(row.minutes2);
        sub.txtK1->setText(row.consideration);
        m.Timer1->setEnabled(false);
        sub.cmdOK_Click();
        EXPECT_EQ(m.Lblt1->text(), row.t1) << row.minutes;
        EXPECT_EQ(m.Lblt2->text(), row.t2) << row.minutes2;
        EXPECT_EQ(m.Lblk1->text(), row.k1);
        EXPECT_EQ(m.k1s.value().toText(), row.k1);
        EXPECT_TRUE(fakes.messageBoxes.asked.empty());
    }
}

// A bad field stops the start before anything is applied: the game a replay would have
// replaced, here one under way, stays exactly as it was.
TEST_F(GameStart, ABadFieldAppliesNothing) {
    startThroughTheDialog([](frmSub&) {});
    pressKey(m, Qt::Key_Space);
    m.Timer1->setEnabled(false);
    fakes.mmctl.log.clear();
    const QStringList before = gameAsShown();
    QLineEdit* const* const fields[] = {&m.settings.form().txtT11, &m.settings.form().txtT12,
                                        &m.settings.form().txtT21, &m.settings.form().txtT22,
                                        &m.settings.form().txtK1,  &m.settings.form().txtK2};
    for (QLineEdit* const* bad : fields) {
        fakes.messageBoxes.asked.clear();
        startThroughTheDialog(
            [bad, &fields](frmSub& sub) {
                for (QLineEdit* const* field : fields)
                    (*field)->setText((*field)->objectName().startsWith("txtK") ? "10" : "0");
                sub.cboT1->setEditText("左");
                QTest::mouseClick(sub.optTb2, Qt::LeftButton);
                type(sub.txtT12, "20");
                type(*bad, bad == fields[3] ? "" : "x");
            },
            [this] { m.settings.showModal(std::nullopt); }); // as a replay opens it
        ASSERT_EQ(fakes.messageBoxes.asked.size(), 1u);
        const MessageBoxRequest& box = fakes.messageBoxes.asked[0];
        EXPECT_EQ(box.text, "ちゃんとした数値を入力して下さい！");
        EXPECT_EQ(box.title, "バンクロ");
        EXPECT_EQ(box.buttons, MessageBoxRequest::Buttons::Ok);
        EXPECT_EQ(box.icon, MessageBoxRequest::Icon::None);
        EXPECT_EQ(gameAsShown(), before) << (*bad)->objectName().toStdString();
        EXPECT_TRUE(fakes.mmctl.log.empty());
    }
}

// A pasted name brings its line end along; the result file must get one line per name.
TEST_F(GameStart, NamesAreCleanedOfControlCharactersAndSurroundingSpaces) {
    startThroughTheDialog([](frmSub& sub) {
        sub.cboT1->setEditText(" 羽生 善治\r\n");
        sub.cboT2->setEditText("\t谷川\n浩司 ");
    });
    EXPECT_EQ(m.Lblna1->text(), "羽生 善治");
    EXPECT_EQ(m.Lblna2->text(), "谷川浩司");
}

TEST_F(GameStart, ANewGameResetsTheLastOnesResultAndTheDialogKeepsItsValues) {
    startThroughTheDialog([](frmSub& sub) {
        sub.txtT11->setText("1");
        QTest::mouseClick(sub.optI2[2], Qt::LeftButton);
    });
    m.Timer1->setEnabled(false); // the game ended
    m.Kekka = "SK";
    m.Jg = true;
    m.Tr = true;
    m.c1 = 97;
    m.TT1 = ClockTime::fromHms(1, 2, 3);
    m.mnuHenkou->setEnabled(true);
    m.Lblteban3->setText("後手番");
    onModal<frmSub>([](frmSub& dialog) {
        frmSub* sub = &dialog;
        EXPECT_EQ(sub->txtT11->text(), "1");
        EXPECT_TRUE(sub->optI2[2]->isChecked());
        QTest::mouseClick(sub->cmdOK, Qt::LeftButton);
    });
    m.mnuHenkou->trigger();
    EXPECT_EQ(m.Kekka, "");
    EXPECT_FALSE(m.Jg);
    EXPECT_FALSE(m.Tr);
    EXPECT_EQ(m.c1, 0);
    EXPECT_EQ(m.TT1, ClockTime());
    EXPECT_EQ(m.Lblteban3->text(), "先手番");
    EXPECT_EQ(m.tbs12, 60);
    EXPECT_EQ(m.Lblt1->text(), "1:15:00");
}
