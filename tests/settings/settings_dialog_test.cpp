#include "clock/main_window.h"
#include "platform/label.h"
#include "platform/ui_timer.h"
#include "settings/sub_window.h"
#include "support/fakes.h"
#include "support/focus.h"
#include "support/game.h"
#include "support/modal.h"
#include "support/working_folder.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kPlayers = QStringLiteral("対局者.txt");

QStringList listOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Types text as a keyboard or an input method does, full-width characters included.
void typeInto(QWidget* field, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
    }
}

class SettingsDialogTest : public testing::Test {
protected:
    frmMain& load() {
        w = std::make_unique<frmMain>(fakes.platform);
        EXPECT_TRUE(w->Form_Load());
        return *w;
    }

    WorkingFolder folder;
    FakePlatform fakes;
    std::unique_ptr<frmMain> w;
};

} // namespace

TEST_F(SettingsDialogTest, NameBoxesShowTheirOwnLineAndListTheOthers) {
    const struct {
        const char* what;
        std::optional<QByteArray> file;
        QString shown1, shown2;
        QStringList list1, list2;
    } rows[] = {
        {"no file", std::nullopt, "田中 一郎", "中村 次郎", {}, {}},
        {"one line", cp932("一人\r\n"), "一人", "中村 次郎", {}, {"一人"}},
        {"four lines", cp932("A\r\nB\r\nC\r\nD\r\n"), "A", "B", {"B", "C", "D"}, {"A", "C", "D"}},
        {"UTF-8", QStringLiteral("表示\n能力\n").toUtf8(), "表示", "能力", {"能力"}, {"表示"}},
    };
    for (const auto& row : rows) {
        if (row.file)
            folder.write(kPlayers, *row.file);
        else
            folder.remove(kPlayers);
        frmSub& sub = load().settings.form();
        EXPECT_EQ(sub.cboT1->currentText(), row.shown1) << row.what;
        EXPECT_EQ(sub.cboT2->currentText(), row.shown2) << row.what;
        EXPECT_EQ(listOf(sub.cboT1), row.list1) << row.what;
        EXPECT_EQ(listOf(sub.cboT2), row.list2) << row.what;
    }
}

TEST_F(SettingsDialogTest, RangeChecksPutBackValuesOutOfRange) {
    frmSub& sub = load().settings.form();
    const struct {
        QLineEdit* field;
        const char* typed;
        const char* stands;
    } rows[] = {
        {sub.txtT11, "23", "23"},     {sub.txtT11, "24", "0"},    {sub.txtT21, "-1", "0"},
        {sub.txtT12, "59", "59"},     {sub.txtT12, "60", "0"},    {sub.txtT22, "-1", "0"},
        {sub.txtK1, "10", "10"},      {sub.txtK1, "11", "10"},    {sub.txtK2, "0", "0"},
        {sub.txtK2, "-1", "10"},      {sub.txtT12, "7.5", "7.5"}, {sub.txtT12, "", ""},
        {sub.txtT12, "-", "-"},       {sub.txtK1, "abc", "abc"},  {sub.txtT11, "２４", "0"},
        {sub.txtT12, "４５", "４５"},
    };
    for (const auto& row : rows) {
        row.field->clear();
        typeInto(row.field, QString::fromUtf8(row.typed));
        EXPECT_EQ(row.field->text(), QString::fromUtf8(row.stands))
            << row.field->objectName().toStdString() << " " << row.typed;
    }
}

TEST_F(SettingsDialogTest, HasTheDesignedInitialContents) {
    frmSub& sub = load().settings.form();
    EXPECT_EQ(sub.windowTitle(), "対局設定");
    EXPECT_EQ(sub.txtT11->text(), "0");
    EXPECT_EQ(sub.txtT12->text(), "15");
    EXPECT_EQ(sub.txtK1->text(), "10");
    EXPECT_TRUE(sub.optTb1->isChecked());
    EXPECT_TRUE(sub.optI1[1]->isChecked());
    EXPECT_TRUE(sub.optI2[1]->isChecked());
    EXPECT_EQ(sub.Label18[0]->text(), "１０秒");
    EXPECT_EQ(sub.Label18[5]->text(), "１０秒");
    EXPECT_EQ(sub.Label18[3]->text(), "６０秒");
    for (QPushButton* button : {sub.cmdOK, sub.cmdFg1, sub.cmdFg2, sub.cmdHikiwake}) {
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
    EXPECT_EQ(sub.cboT1->geometry(), QRect(8, 32, 121, 20));
}

TEST_F(SettingsDialogTest, F1DiscardsTheEntriesAndTheNextOpeningStartsAfresh) {
    frmMain& m = load();
    m.show();
    onModal<frmSub>([](frmSub& dialog) {
        frmSub* sub = &dialog;
        sub->txtT12->setText("30");
        sub->optTb2->setChecked(true);
        sub->cboT1->setEditText("誰か");
        pressKey(*sub, Qt::Key_F1);
    });
    m.mnuHenkou->trigger();
    EXPECT_FALSE(m.settings.isLoaded());
    onModal<frmSub>([](frmSub& dialog) {
        frmSub* sub = &dialog;
        EXPECT_EQ(sub->txtT12->text(), "15");
        EXPECT_TRUE(sub->optTb1->isChecked());
        EXPECT_EQ(sub->cboT1->currentText(), "田中 一郎");
        sub->close(); // the close box unloads too
    });
    m.mnuHenkou->trigger();
    EXPECT_FALSE(m.settings.isLoaded());
    EXPECT_FALSE(m.Timer1->enabled());
}

TEST_F(SettingsDialogTest, EnterAndEscNeitherStartAGameNorCloseTheDialog) {
    frmMain& m = load();
    m.show();
    onModal<frmSub>([](frmSub& dialog) {
        frmSub* sub = &dialog;
        sub->cmdOK->setFocus();
        pressKey(*sub, Qt::Key_Return);
        pressKey(*sub, Qt::Key_Escape);
        EXPECT_TRUE(sub->isVisible());
        sub->close();
    });
    m.mnuHenkou->trigger();
    EXPECT_FALSE(m.Timer1->enabled());
}

// Enter is side 2's move key, so it is pressed in the dialog too; in a name box whose text
// is selected it must not put another listed name in place of the shown one.
TEST_F(SettingsDialogTest, EnterInANameBoxKeepsTheShownName) {
    folder.write(kPlayers, cp932("羽田\r\n表\r\n"));
    frmMain& m = load();
    m.show();
    onModal<frmSub>([](frmSub& sub) {
        for (QComboBox* box : {sub.cboT2, sub.cboT1}) {
            const QString shown = box->currentText();
            box->setFocus(Qt::TabFocusReason);
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
                QTest::keyClick(QApplication::focusWidget(), key);
            EXPECT_EQ(box->currentText(), shown);
        }
        sub.close();
    });
    m.mnuHenkou->trigger();
}

TEST_F(SettingsDialogTest, TheSettingsCommandHidesTheDrawButtonAndTheFullHeightShowsIt) {
    frmMain& m = load();
    m.show();
    for (const auto& [height, drawButtonInView] : {std::pair{5200, false}, {6050, true}}) {
        onModal<frmSub>([drawButtonInView](frmSub& dialog) {
            frmSub* sub = &dialog;
            const bool inView = sub->rect().contains(sub->cmdHikiwake->geometry());
            EXPECT_EQ(inView, drawButtonInView) << sub->height();
            EXPECT_TRUE(sub->rect().contains(sub->cmdOK->geometry()));
            EXPECT_EQ(reachedByTab(*sub).count(sub->cmdHikiwake), drawButtonInView ? 1u : 0u);
            sub->hide();
        });
        if (height == 5200)
            m.mnuHenkou->trigger();
        else
            m.settings.showModal(height);
    }
}

TEST_F(SettingsDialogTest, TheSKeyOpensTheSettingsOnlyWhileIdle) {
    frmMain& m = load();
    m.show();
    for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
        bool opened = false;
        onModal<frmSub>([&opened](frmSub& dialog) {
            opened = true;
            dialog.hide();
        });
        pressKey(m, Qt::Key_S, false, modifiers); // "s" and "S"
        EXPECT_TRUE(opened);
    }
    putGameOnClock(m, {});
    m.mnuHenkou->setEnabled(false);
    pressKey(m, Qt::Key_S);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    m.mnuHenkou->setEnabled(true); // even with the entry enabled, a running clock ignores S
    pressKey(m, Qt::Key_S);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(m.Timer1->enabled());
}

TEST_F(SettingsDialogTest, ExitAndTheCloseBoxEndTheProgram) {
    frmMain& m = load();
    putGameOnClock(m, {});
    m.syuryou->trigger();
    EXPECT_EQ(fakes.process.ended, std::vector<int>{0});
    EXPECT_TRUE(fakes.mmctl.log.empty()); // 終了 ends at once
    m.settings.form();
    m.show();
    m.close();
    EXPECT_EQ(fakes.process.ended, (std::vector<int>{0, 0}));
    EXPECT_EQ(fakes.mmctl.log, std::vector<QString>{"close"});
}
