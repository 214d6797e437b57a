#include "app_info.h"
#include "core/players_file.h"
#include "gui/clock_face.h"
#include "gui/command_keys.h"
#include "gui/main_window.h"
#include "gui/pause_dialog.h"
#include "gui/preset_panel.h"
#include "gui/result_dialog.h"
#include "gui/settings_dialog.h"
#include "gui/widgets/label.h"
#include "gui/widgets/scaled_picture.h"
#include "gui/widgets/ui_timer.h"
#include "support/config_home.h"
#include "support/face_folder.h"
#include "support/fake_services.h"
#include "support/focus.h"
#include "support/game.h"
#include "support/modal.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kPlayers = QString::fromUtf8(kPlayersFile);
const QColor kLightCyan(0xC0, 0xFF, 0xFF);
const QColor kNavy(0x00, 0x00, 0x80);

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

// Replaces a field's text key by key, as a player does.
void retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

QColor pictureColor(const QLabel* picture) {
    return picture->pixmap().toImage().pixelColor(100, 100);
}

// Whether the action opened the settings dialog, which is hidden again at once.
bool opensTheSettings(const std::function<void()>& action) {
    bool opened = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&opened] {
        auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            opened = true;
            dialog->hide();
        }
    });
    poll.start(5);
    action();
    return opened;
}

// The dialog on its own, on a model of its own, in a working folder without a players file.
class SettingsDialogTest : public testing::Test {
protected:
    WorkingFolder folder;
    FakeServices fakes;
    GameClock game{fakes.wallClock, fakes.audio};
    InputLayer input{game, defaultKeyBindings()};
    StoredSettings stored;
};

// The dialog as the main window opens it, with the players 羽田 and 表.
class SettingsFromTheMainWindow : public testing::Test {
protected:
    SettingsFromTheMainWindow() {
        folder.write(kPlayers, cp932("羽田\r\n表\r\n"));
        EXPECT_TRUE(w.startUp());
        w.show();
    }

    // Opens the dialog by the settings command (or by open), lets fill change the fields and
    // clicks 対局開始; a dialog a failed start leaves open is hidden.
    void startThroughTheDialog(const std::function<void(SettingsDialog&)>& fill,
                               const std::function<void()>& open = {}) {
        onModal<SettingsDialog>([fill](SettingsDialog& dialog) {
            fill(dialog);
            QTest::mouseClick(dialog.startButton, Qt::LeftButton);
            if (dialog.isVisible())
                dialog.hide();
        });
        if (open)
            open();
        else
            w.settingsAction->trigger();
    }

    // Everything the main window shows of the game, and whether its clock runs.
    QStringList gameAsShown() {
        QStringList shown;
        for (const Label* label : w.findChildren<Label*>()) {
            if (label->window() == &w)
                shown << label->objectName() + '=' + label->text() + ' ' +
                             label->textColor().name();
        }
        for (const QLabel* picture :
             {w.clockFace->leftPiecePicture, w.clockFace->rightPiecePicture})
            shown << pictureColor(picture).name();
        for (const QAction* action : w.findChildren<QAction*>())
            shown << action->objectName() + '=' + action->text() + ' ' +
                         QString::number(action->isEnabled());
        shown << QString::number(w.tickTimer->isActive());
        return shown;
    }

    FaceFolder folder;
    FakeServices fakes;
    OwnedGame model{fakes.wallClock, fakes.audio};
    MainWindow w{model.game, model.record, fakes.services};
};

} // namespace

TEST_F(SettingsDialogTest, HasTheDesignedInitialContents) {
    SettingsDialog dialog(game, input, fakes.services, stored, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "対局設定");
    const std::pair<QLineEdit*, const char*> fields[] = {
        {dialog.leftHoursEdit, "0"},          {dialog.leftMinutesEdit, "15"},
        {dialog.rightHoursEdit, "0"},         {dialog.rightMinutesEdit, "15"},
        {dialog.leftConsiderationEdit, "10"}, {dialog.rightConsiderationEdit, "10"},
    };
    for (const auto& [field, text] : fields)
        EXPECT_EQ(field->text(), text) << field->objectName().toStdString();
    EXPECT_TRUE(dialog.leftFirstOption->isChecked());
    EXPECT_TRUE(dialog.leftByoyomiOptions[1]->isChecked());
    EXPECT_TRUE(dialog.rightByoyomiOptions[1]->isChecked());
    // Side 2's captions are numbered backwards.
    const char* const captions[] = {"１０秒", "３０秒", "６０秒", "６０秒", "３０秒", "１０秒"};
    for (std::size_t i = 0; i < dialog.byoyomiCaptions.size(); ++i)
        EXPECT_EQ(dialog.byoyomiCaptions[i]->text(), captions[i]) << i;
    EXPECT_EQ(dialog.byoyomiCaptions[5]->parentWidget(), dialog.rightByoyomiGroup);
    EXPECT_LT(dialog.byoyomiCaptions[5]->x(), dialog.byoyomiCaptions[3]->x());
    for (QPushButton* button : {dialog.startButton, dialog.leftTossButton, dialog.rightTossButton,
                                dialog.drawInsteadButton}) {
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
    EXPECT_EQ(dialog.leftNameBox->geometry(), QRect(8, 32, 121, 20));
}

TEST_F(SettingsDialogTest, NameBoxesShowTheirOwnLineAndListTheOthers) {
    const struct {
        const char* what;
        std::optional<QByteArray> file;
        QString shownLeft, shownRight;
        QStringList listLeft, listRight;
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
        SettingsDialog dialog(game, input, fakes.services, stored, nullptr);
        EXPECT_EQ(dialog.leftNameBox->currentText(), row.shownLeft) << row.what;
        EXPECT_EQ(dialog.rightNameBox->currentText(), row.shownRight) << row.what;
        EXPECT_EQ(listOf(dialog.leftNameBox), row.listLeft) << row.what;
        EXPECT_EQ(listOf(dialog.rightNameBox), row.listRight) << row.what;
    }
}

TEST_F(SettingsDialogTest, RangeChecksPutBackValuesOutOfRange) {
    SettingsDialog dialog(game, input, fakes.services, stored, nullptr);
    const struct {
        QLineEdit* field;
        const char* typed;
        const char* stands;
    } rows[] = {
        {dialog.leftHoursEdit, "23", "23"},
        {dialog.leftHoursEdit, "24", "0"},
        {dialog.rightHoursEdit, "-1", "0"},
        {dialog.leftMinutesEdit, "59", "59"},
        {dialog.leftMinutesEdit, "60", "0"},
        {dialog.rightMinutesEdit, "-1", "0"},
        {dialog.leftConsiderationEdit, "10", "10"},
        {dialog.leftConsiderationEdit, "11", "10"},
        {dialog.rightConsiderationEdit, "0", "0"},
        {dialog.rightConsiderationEdit, "-1", "10"},
        {dialog.leftMinutesEdit, "7.5", "7.5"},
        {dialog.leftMinutesEdit, "", ""},
        {dialog.leftMinutesEdit, "-", "-"}, // not yet a number: left for the start to report
        {dialog.leftConsiderationEdit, "abc", "abc"},
        {dialog.leftHoursEdit, "２４", "0"},
        {dialog.leftMinutesEdit, "４５", "４５"},
        {dialog.leftHoursEdit, "23.4", "23.4"}, // 23 to the clock
        {dialog.leftHoursEdit, "23.6", "0"},
    };
    for (const auto& row : rows) {
        row.field->clear();
        typeInto(row.field, QString::fromUtf8(row.typed));
        EXPECT_EQ(row.field->text(), QString::fromUtf8(row.stands))
            << row.field->objectName().toStdString() << " " << row.typed;
    }
}

TEST_F(SettingsFromTheMainWindow, F1DiscardsTheEntriesAndTheNextOpeningStartsAfresh) {
    onModal<SettingsDialog>([](SettingsDialog& dialog) {
        dialog.leftMinutesEdit->setText("30");
        dialog.rightFirstOption->setChecked(true);
        dialog.leftNameBox->setEditText("誰か");
        pressKey(dialog, Qt::Key_F1);
    });
    w.settingsAction->trigger();
    EXPECT_FALSE(w.settings.isLoaded());
    onModal<SettingsDialog>([](SettingsDialog& dialog) {
        EXPECT_EQ(dialog.leftMinutesEdit->text(), "15");
        EXPECT_TRUE(dialog.leftFirstOption->isChecked());
        EXPECT_EQ(dialog.leftNameBox->currentText(), "羽田");
        dialog.close(); // the close box discards them too
    });
    w.settingsAction->trigger();
    EXPECT_FALSE(w.settings.isLoaded());
    EXPECT_FALSE(w.game().running());
}

TEST_F(SettingsFromTheMainWindow, EnterAndEscNeitherStartAGameNorCloseTheDialog) {
    onModal<SettingsDialog>([](SettingsDialog& dialog) {
        dialog.startButton->setFocus();
        pressKey(dialog, Qt::Key_Return);
        pressKey(dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        dialog.close();
    });
    w.settingsAction->trigger();
    EXPECT_FALSE(w.game().running());
}

// Enter is side 2's move key, so it is pressed in the dialog too; in a name box whose text
// is selected it must not put another listed name in place of the shown one.
TEST_F(SettingsFromTheMainWindow, EnterInANameBoxKeepsTheShownName) {
    onModal<SettingsDialog>([](SettingsDialog& dialog) {
        for (QComboBox* box : {dialog.rightNameBox, dialog.leftNameBox}) {
            const QString shown = box->currentText();
            QApplication::setActiveWindow(&dialog);
            box->setFocus(Qt::TabFocusReason);
            ASSERT_NE(dialog.focusWidget(), nullptr);
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
                QTest::keyClick(dialog.focusWidget(), key);
            EXPECT_EQ(box->currentText(), shown);
        }
        dialog.close();
    });
    w.settingsAction->trigger();
}

// Reached unseen, Tab and Space would record a draw nobody saw offered.
TEST_F(SettingsFromTheMainWindow, TheSettingsCommandHidesTheDrawButtonAndTheReplayShowsIt) {
    const auto expectDrawButton = [](bool inView) {
        onModal<SettingsDialog>([inView](SettingsDialog& dialog) {
            QPushButton* draw = dialog.drawInsteadButton;
            EXPECT_EQ(dialog.rect().contains(draw->geometry()), inView) << dialog.height();
            EXPECT_TRUE(dialog.rect().contains(dialog.startButton->geometry()));
            EXPECT_EQ(draw->isVisible(), inView);
            EXPECT_EQ(reachedByTab(dialog).count(draw), inView ? 1u : 0u);
            dialog.hide();
        });
    };
    expectDrawButton(false);
    w.settingsAction->trigger();

    startGame(w);
    onModal<PauseDialog>(
        [](PauseDialog& pause) { QTest::mouseClick(pause.replayButton, Qt::LeftButton); });
    expectDrawButton(true);
    pressKey(w, Qt::Key_P);
}

TEST_F(SettingsFromTheMainWindow, TheSKeyOpensTheSettingsOnlyWhileIdle) {
    for (Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier}) // s and S
        EXPECT_TRUE(opensTheSettings([&] { pressKey(w, Qt::Key_S, false, modifiers); }));
    startGame(w);
    EXPECT_FALSE(opensTheSettings([&] { pressKey(w, Qt::Key_S); })) << "running";
    w.game().pause();
    EXPECT_FALSE(opensTheSettings([&] { pressKey(w, Qt::Key_S); })) << "paused";
}

TEST_F(SettingsFromTheMainWindow, ExitAndTheCloseBoxEndTheProgram) {
    startGame(w); // which leaves the settings dialog loaded, hidden
    fakes.audio.log.clear();
    w.exitAction->trigger();
    EXPECT_EQ(fakes.process.ended, std::vector<int>{EXIT_SUCCESS});
    EXPECT_TRUE(fakes.audio.log.empty()); // 終了 ends at once
    w.close();
    EXPECT_EQ(fakes.process.ended, (std::vector<int>{EXIT_SUCCESS, EXIT_SUCCESS}));
    EXPECT_EQ(fakes.audio.log, std::vector<QString>{"stop"});
}

TEST_F(SettingsFromTheMainWindow, TheDefaultsGameAsTheMainWindowShowsIt) {
    startThroughTheDialog([](SettingsDialog&) {});
    // The defaults are the model's to hold; the face shows the game they make.
    const GameClock& game = w.game();
    const ClockFace& face = *w.clockFace;
    const auto defaults = std::get<GameSettings::Checked>(GameSettings::defaults().check());
    EXPECT_EQ(game.clock(Side::Left), defaults.clocks[0]);
    EXPECT_EQ(game.clock(Side::Right), defaults.clocks[1]);
    const std::pair<Label*, QString> labels[] = {
        {face.leftNameLabel, "羽田"},
        {face.rightNameLabel, "表"},
        {face.leftMainTimeLabel, game.mainTimeText(Side::Left)},
        {face.rightMainTimeLabel, game.mainTimeText(Side::Right)},
        {face.leftConsiderationLabel, game.considerationText(Side::Left)},
        {face.rightConsiderationLabel, game.considerationText(Side::Right)},
        {face.leftByoyomiLengthLabel, game.byoyomiLengthText(Side::Left)},
        {face.rightByoyomiLengthLabel, game.byoyomiLengthText(Side::Right)},
        {face.leftPeriodLabel, game.periodText(Side::Left)},
        {face.rightPeriodLabel, game.periodText(Side::Right)},
        {face.leftRoleLabel, "先手"},
        {face.turnLabel, "先手番"},
        {face.totalTimeLabel, "0:00:00"},
        {face.hintLabel, "P：対局中断"},
    };
    for (const auto& [label, text] : labels)
        EXPECT_EQ(label->text(), text) << label->objectName().toStdString();
    EXPECT_EQ(pictureColor(w.clockFace->leftPiecePicture),
              QColor(Qt::darkRed)); // the sente picture
    EXPECT_EQ(pictureColor(w.clockFace->rightPiecePicture), QColor(Qt::yellow));
    for (Label* label : {w.clockFace->leftConsiderationLabel, w.clockFace->leftMinutesUnit,
                         w.clockFace->leftRemainingCaption})
        EXPECT_EQ(label->textColor(), kLightCyan);
    for (Label* label : {w.clockFace->rightConsiderationLabel, w.clockFace->rightMinutesUnit,
                         w.clockFace->rightRemainingCaption})
        EXPECT_EQ(label->textColor(), kNavy);

    EXPECT_TRUE(w.tickTimer->isActive());
    EXPECT_TRUE(w.pauseAction->isEnabled());
    EXPECT_EQ(w.pauseAction->text(), "対局中断(P)");
    EXPECT_TRUE(w.resignAction->isEnabled());
    EXPECT_TRUE(w.repetitionDrawAction->isEnabled());
    EXPECT_FALSE(w.settingsAction->isEnabled());
    EXPECT_FALSE(w.clockFace->movesToSayEdit->isEnabled());
    EXPECT_FALSE(w.clockFace->sayMovesButton->isEnabled());
    EXPECT_EQ(fakes.audio.clips(),
              (std::vector<RecordingAudioDevice::Clip>{{"sound/Yoroone.wav", false}}));
    EXPECT_TRUE(w.settings.isLoaded()); // kept, with its fields, for the next game
    EXPECT_FALSE(w.settings.get().isVisible());
    EXPECT_TRUE(fakes.messageBoxes.asked.empty());
}

TEST_F(SettingsFromTheMainWindow, Side2MovingFirstSwapsRolesPicturesAndColours) {
    startThroughTheDialog(
        [](SettingsDialog& dialog) { QTest::mouseClick(dialog.rightFirstOption, Qt::LeftButton); });
    EXPECT_EQ(w.clockFace->leftRoleLabel->text(), "後手");
    EXPECT_EQ(w.clockFace->rightRoleLabel->text(), "先手");
    EXPECT_EQ(pictureColor(w.clockFace->leftPiecePicture), QColor(Qt::yellow));
    EXPECT_EQ(pictureColor(w.clockFace->rightPiecePicture), QColor(Qt::darkRed));
    for (Label* label : {w.clockFace->rightConsiderationLabel, w.clockFace->rightMinutesUnit,
                         w.clockFace->rightRemainingCaption})
        EXPECT_EQ(label->textColor(), kLightCyan);
    for (Label* label : {w.clockFace->leftConsiderationLabel, w.clockFace->leftMinutesUnit,
                         w.clockFace->leftRemainingCaption})
        EXPECT_EQ(label->textColor(), kNavy);
    EXPECT_EQ(w.clockFace->turnLabel->text(), "先手番");
}

// Each field reaches the label of its own side, converted as the clock takes it.
TEST_F(SettingsFromTheMainWindow, TheTypedNumbersAsTheMainWindowShowsThem) {
    const struct {
        const char *leftHours, *leftMinutes, *rightHours, *rightMinutes;
        const char *leftConsideration, *rightConsideration;
        int leftByoyomiOption, rightByoyomiOption;
        const char *leftTime, *rightTime, *leftConsiderationShown, *rightConsiderationShown;
        const char *leftByoyomi, *rightByoyomi;
    } rows[] = {
        {"1", "30", "2", "45", "3", "2.5", 0, 2, "1:30:00", "2:45:00", "3", "2.5", "10", "60"},
        {"0", "6.5", "0", "7.5", "0", "10", 2, 0, "0:06:00", "0:08:00", "0", "10", "60", "10"},
        {"２", "１５", "0", "0", "３", "0", 1, 1, "2:15:00", "0:00:00", "3", "0", "30", "30"},
    };
    SettingsDialog& dialog = w.settings.get();
    for (const auto& row : rows) {
        const std::pair<QLineEdit*, const char*> typed[] = {
            {dialog.leftHoursEdit, row.leftHours},
            {dialog.leftMinutesEdit, row.leftMinutes},
            {dialog.rightHoursEdit, row.rightHours},
            {dialog.rightMinutesEdit, row.rightMinutes},
            {dialog.leftConsiderationEdit, row.leftConsideration},
            {dialog.rightConsiderationEdit, row.rightConsideration},
        };
        for (const auto& [field, text] : typed)
            field->setText(QString::fromUtf8(text));
        dialog.leftByoyomiOptions[row.leftByoyomiOption]->setChecked(true);
        dialog.rightByoyomiOptions[row.rightByoyomiOption]->setChecked(true);
        dialog.start();
        EXPECT_EQ(w.clockFace->leftMainTimeLabel->text(), row.leftTime) << row.leftMinutes;
        EXPECT_EQ(w.clockFace->rightMainTimeLabel->text(), row.rightTime) << row.rightMinutes;
        EXPECT_EQ(w.clockFace->leftConsiderationLabel->text(), row.leftConsiderationShown);
        EXPECT_EQ(w.clockFace->rightConsiderationLabel->text(), row.rightConsiderationShown);
        EXPECT_EQ(w.clockFace->leftByoyomiLengthLabel->text(), row.leftByoyomi);
        EXPECT_EQ(w.clockFace->rightByoyomiLengthLabel->text(), row.rightByoyomi);
        EXPECT_TRUE(fakes.messageBoxes.asked.empty());
    }
}

// A bad field stops the start before anything is applied: the game a replay would have
// replaced, here one stopped to claim a repetition draw, stays exactly as it was.
TEST_F(SettingsFromTheMainWindow, ABadFieldAppliesNothing) {
    startGame(w);
    pressKey(w, Qt::Key_Space);
    driverOf(w, fakes.wallClock).seconds(1);
    fakes.audio.log.clear();
    onModal<SettingsDialog>([this](SettingsDialog& dialog) {
        QLineEdit* const fields[] = {dialog.leftHoursEdit,         dialog.leftMinutesEdit,
                                     dialog.rightHoursEdit,        dialog.rightMinutesEdit,
                                     dialog.leftConsiderationEdit, dialog.rightConsiderationEdit};
        const QStringList before = gameAsShown();
        for (QLineEdit* bad : fields) {
            fakes.messageBoxes.asked.clear();
            for (QLineEdit* field : fields)
                field->setText(field->objectName().startsWith("txtK") ? "10" : "0");
            dialog.leftNameBox->setEditText("左");
            QTest::mouseClick(dialog.rightFirstOption, Qt::LeftButton); // colours reversed
            retype(dialog.leftMinutesEdit, "20");
            retype(bad, bad == fields[3] ? "" : "x");
            dialog.leftNameBox->setFocus();
            QTest::mouseClick(dialog.startButton, Qt::LeftButton);

            const std::string name = bad->objectName().toStdString();
            EXPECT_EQ(fakes.messageBoxes.asked.size(), 1u) << name;
            for (const MessageBoxRequest& box : fakes.messageBoxes.asked) {
                EXPECT_EQ(box.text, "ちゃんとした数値を入力して下さい！");
                EXPECT_EQ(box.title, QString::fromUtf8(app_info::kTitle));
                EXPECT_EQ(box.buttons, MessageBoxRequest::Buttons::Ok);
                EXPECT_EQ(box.icon, MessageBoxRequest::Icon::None);
            }
            EXPECT_EQ(dialog.focusWidget(), bad) << name;
            EXPECT_TRUE(dialog.isVisible()) << name;
            EXPECT_EQ(gameAsShown(), before) << name;
            EXPECT_TRUE(fakes.audio.log.empty()) << name;
        }
        dialog.hide();
    });
    w.repetitionDrawAction->trigger(); // answered OK: the replay's settings open
}

// A pasted name brings its line end along; the result file must get one line per name.
TEST_F(SettingsFromTheMainWindow, NamesAreCleanedOfControlCharactersAndSurroundingSpaces) {
    startThroughTheDialog([](SettingsDialog& dialog) {
        dialog.leftNameBox->setEditText(" 羽生 善治\r\n");
        dialog.rightNameBox->setEditText("\t谷川\n浩司 ");
    });
    EXPECT_EQ(w.clockFace->leftNameLabel->text(), "羽生 善治");
    EXPECT_EQ(w.clockFace->rightNameLabel->text(), "谷川浩司");
}

TEST_F(SettingsFromTheMainWindow, ANewGameRewritesWhatTheLastOneLeftAndTheDialogKeepsItsValues) {
    startThroughTheDialog([](SettingsDialog& dialog) {
        dialog.leftHoursEdit->setText("1");
        QTest::mouseClick(dialog.rightByoyomiOptions[2], Qt::LeftButton);
    });
    pressKey(w, Qt::Key_Space);
    for (int i = 0; i < 3; ++i)
        driverOf(w, fakes.wallClock).seconds(1);
    onModal<ResultDialog>([](ResultDialog& result) { result.reject(); });
    w.resignAction->trigger(); // answered OK
    ASSERT_FALSE(w.game().running());
    ASSERT_EQ(w.clockFace->turnLabel->text(), "後手番");

    onModal<SettingsDialog>([](SettingsDialog& dialog) {
        EXPECT_EQ(dialog.leftHoursEdit->text(), "1");
        EXPECT_TRUE(dialog.rightByoyomiOptions[2]->isChecked());
        QTest::mouseClick(dialog.startButton, Qt::LeftButton);
    });
    w.settingsAction->trigger();
    EXPECT_TRUE(w.game().running());
    EXPECT_EQ(w.game().outcome(), Outcome::None);
    EXPECT_EQ(w.clockFace->turnLabel->text(), "先手番");
    EXPECT_EQ(w.clockFace->moveNumberLabel->text(), "1手目");
    EXPECT_EQ(w.clockFace->totalTimeLabel->text(), "0:00:00");
    EXPECT_EQ(w.clockFace->leftMainTimeLabel->text(), "1:15:00");
    EXPECT_EQ(w.clockFace->rightMainTimeLabel->text(), "0:15:00");
    EXPECT_EQ(w.clockFace->rightByoyomiLengthLabel->text(), "60");
    EXPECT_TRUE(w.resignAction->isEnabled());
    EXPECT_FALSE(w.settingsAction->isEnabled());
}

// The time control opens as the settings file remembers it, follows a preset, and the game
// started is remembered; the face hides what the time control lacks.
TEST(TimeControls, AreRememberedChosenFromPresetsAndKept) {
    const ConfigHome configHome;
    configHome.writeSettings("[game]\nmode=fischer\nminutes=1\nincrement=7\n");
    FaceFolder folder;
    FakeServices fakes;
    OwnedGame model{fakes.wallClock, fakes.audio};
    MainWindow w{model.game, model.record, fakes.services};
    ASSERT_TRUE(w.startUp());
    SettingsDialog& dialog = w.settings.get();
    EXPECT_EQ(dialog.modeBox->currentText(), "フィッシャー");
    EXPECT_EQ(dialog.incrementBox->value(), 7);
    EXPECT_EQ(dialog.leftMinutesEdit->text(), "1");
    EXPECT_FALSE(dialog.leftConsiderationEdit->isEnabled());

    dialog.modeBox->setCurrentIndex(int(TimeControl::Byoyomi));
    dialog.byoyomiLengthBoxes[0]->setValue(40);
    EXPECT_TRUE(std::ranges::none_of(dialog.leftByoyomiOptions,
                                     [](const QRadioButton* o) { return o->isChecked(); }));
    dialog.leftByoyomiOptions[2]->click();
    EXPECT_EQ(dialog.byoyomiLengthBoxes[0]->value(), 60);
    dialog.presets->save(" クラブ ");
    EXPECT_TRUE(configHome.readSettings().contains("name=クラブ\n"));

    QListWidget& list = *dialog.presets->list;
    list.setCurrentRow(0);
    EXPECT_EQ(dialog.byoyomiLengthBoxes[0]->value(), 60) << "a current row alone chooses nothing";
    dialog.show();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(4)).center());
    EXPECT_EQ(dialog.presets->list->currentItem()->text(), "10分 切れ負け");
    EXPECT_EQ(dialog.settings().control, TimeControl::SuddenDeath);
    EXPECT_EQ(dialog.rightMinutesEdit->text(), "10");
    EXPECT_FALSE(dialog.presets->deleteButton->isEnabled()); // a built-in one stays
    dialog.start();
    EXPECT_TRUE(w.clockFace->leftPeriodLabel->isHidden());
    EXPECT_TRUE(w.clockFace->rightConsiderationLabel->isHidden());
    const QByteArray file = configHome.readSettings();
    EXPECT_TRUE(file.contains("[game]\nbyoyomi=30\nconsideration=0\nhours=0\nincrement=5\n"
                              "minutes=10\nmode=sudden-death\n"))
        << file.constData();

    dialog.presets->list->setCurrentRow(dialog.presets->list->count() - 1);
    dialog.presets->deleteButton->click();
    EXPECT_FALSE(configHome.readSettings().contains("クラブ"));
}
