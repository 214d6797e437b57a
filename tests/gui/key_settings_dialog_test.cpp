#include "core/settings_file.h"
#include "gui/clock_face.h"
#include "gui/key_settings_dialog.h"
#include "gui/keys_dialog.h"
#include "gui/main_window.h"
#include "gui/widgets/label.h"
#include "support/config_home.h"
#include "support/face_folder.h"
#include "support/game.h"
#include "support/modal.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class KeySettings : public testing::Test {
protected:
    // A main window started as the program starts, with the settings file as it stands.
    MainWindow& restart() {
        window.reset();
        model = std::make_unique<OwnedGame>(fakes.wallClock, fakes.audio);
        window = std::make_unique<MainWindow>(model->game, model->record, fakes.services);
        EXPECT_TRUE(window->startUp());
        return *window;
    }

    ConfigHome configHome;
    FaceFolder folder;
    FakeServices fakes;
    std::unique_ptr<OwnedGame> model;
    std::unique_ptr<MainWindow> window;
};

const std::vector<int> kSpaceOnly{Qt::Key_Space};

const struct {
    Side side;
    Qt::Key key;
    const char* left;
    const char* right;
    const char* message; // its first line
} kRecordRows[] = {
    {Side::Left, Qt::Key_F13, "Space, F13", "Enter", "F13 を左の対局者のキーにしました。"},
    {Side::Right, Qt::Key_PageDown, "Space", "Enter, PgDown",
     "PgDown を右の対局者のキーにしました。"},
    {Side::Left, Qt::Key_S, "Space", "Enter", "S は対局設定のキーなので使えません。"},
    {Side::Left, Qt::Key_F1, "Space", "Enter", "F1 は対局設定の取り消しのキーなので使えません。"},
    {Side::Right, Qt::Key_F4, "Space", "Enter", "F4 は投了のキーなので使えません。"},
    {Side::Left, Qt::Key_Enter, "Space", "Enter", "Enter は右の対局者のキーなので使えません。"},
    {Side::Right, Qt::Key_Space, "Space", "Enter", "Space は左の対局者のキーなので使えません。"},
    {Side::Left, Qt::Key_unknown, "Space", "Enter", "このキーには名前がないので使えません。"},
};

} // namespace

// A refused key leaves the window waiting for another, until Esc; no key reaches a button.
TEST_F(KeySettings, APressedKeyIsRecordedOrRefusedSayingWhatItDoes) {
    KeySettingsDialog dialog(restart().input(), window.get());
    dialog.show();
    for (const auto& row : kRecordRows) {
        dialog.defaultsButton->click();
        QTest::mouseClick(dialog.addButtons[indexOf(row.side)], Qt::LeftButton);
        pressKey(dialog, row.key);
        EXPECT_EQ(dialog.keysLabels[0]->text(), row.left) << row.message;
        EXPECT_EQ(dialog.keysLabels[1]->text(), row.right) << row.message;
        EXPECT_EQ(dialog.messageLabel->text().section('\n', 0, 0), row.message);
        const bool refused = dialog.messageLabel->text().contains("使えません");
        EXPECT_EQ(dialog.recording(), refused) << row.message;
        pressKey(dialog, Qt::Key_Escape);
        EXPECT_EQ(dialog.isVisible(), refused) << "Esc closes the window once nothing is recorded";
        dialog.show();
    }
}

TEST_F(KeySettings, HeldKeysAndModifiersWaitForTheKeyMeantAndOkForAKeyOnEachSide) {
    KeySettingsDialog dialog(restart().input(), window.get());
    dialog.show();
    dialog.clearButtons[1]->click();
    dialog.record(Side::Right);
    pressKey(dialog, Qt::Key_F14, true);
    pressKey(dialog, Qt::Key_Shift);
    EXPECT_TRUE(dialog.recording());
    dialog.okButton->click();
    EXPECT_TRUE(dialog.messageLabel->text().startsWith("右の対局者のキーがありません。"));
    dialog.record(Side::Right);
    pressKey(dialog, Qt::Key_F14, false, Qt::ShiftModifier);
    dialog.tapBox->click();
    pressKey(dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.options(), (InputOptions{{kSpaceOnly, std::vector<int>{Qt::Key_F14}}, true}));
}

// OK puts the keys to work, in the captions and in the file the next start reads; Cancel, or
// a game running, changes nothing.
TEST_F(KeySettings, FromTheMenuOkKeepsTheKeysForTheNextStart) {
    for (QPushButton* KeySettingsDialog::*closer :
         {&KeySettingsDialog::cancelButton, &KeySettingsDialog::okButton}) {
        onModal<KeySettingsDialog>([&](KeySettingsDialog& dialog) {
            dialog.clearButtons[0]->click();
            dialog.record(Side::Left);
            pressKey(dialog, Qt::Key_F13);
            dialog.tapBox->setChecked(true);
            (dialog.*closer)->click();
        });
        restart().keySettingsAction->trigger();
    }
    EXPECT_EQ(window->clockFace->leftKeyCaption->text(), "(F13 Key)");
    const QByteArray file = configHome.readSettings();
    EXPECT_TRUE(file.contains("[input]\ntap=true\n\n[keys]\nleft=F13\nright=Return, Enter\n"))
        << file.constData();
    MainWindow& again = restart();
    EXPECT_EQ(again.clockFace->leftKeyCaption->text(), "(F13 Key)");
    const KeysDialog help(again.input().options(), &again);
    const auto shown = help.findChildren<QLabel*>();
    EXPECT_EQ(shown[0]->text(), "F13"); // first in 操作方法
    EXPECT_EQ(shown[4]->text(), "タップ");
    startGame(again);
    EXPECT_FALSE(again.keySettingsAction->isEnabled());
    again.openKeySettings(); // no window opens
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_F13})
        pressKey(again, key);
    EXPECT_EQ(again.game().moveNumber(), 2);
    EXPECT_TRUE(again.input().options().tap);
}

TEST_F(KeySettings, AFileThatCantBeWrittenIsReportedAndTheKeysStillWork) {
    const QTemporaryDir dir;
    QFile notAFolder(dir.filePath("file"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(notAFolder.fileName()));
    onModal<KeySettingsDialog>([](KeySettingsDialog& dialog) {
        dialog.record(Side::Left);
        pressKey(dialog, Qt::Key_F13);
        dialog.okButton->click();
    });
    MainWindow& w = restart();
    w.keySettingsAction->trigger();
    ASSERT_EQ(fakes.messageBoxes.asked.size(), 1u);
    EXPECT_TRUE(fakes.messageBoxes.asked[0].text.contains(settingsFilePath()));
    startGame(w);
    pressKey(w, Qt::Key_F13);
    EXPECT_EQ(w.game().moveNumber(), 2);
}
