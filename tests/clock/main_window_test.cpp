#include "clock/main_window.h"
#include "platform/drawing.h"
#include "platform/label.h"
#include "platform/ui_timer.h"
#include "support/fakes.h"
#include "support/focus.h"
#include "support/game.h"
#include "support/working_folder.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kPlayers = QStringLiteral("対局者.txt");

class MainWindowStartUp : public testing::Test {
protected:
    // Loads a fresh main window in the working folder as it stands.
    frmMain& load() {
        window_ = std::make_unique<frmMain>(fakes_.platform);
        loaded_ = window_->Form_Load();
        return *window_;
    }

    WorkingFolder folder_;
    FakePlatform fakes_;
    std::unique_ptr<frmMain> window_;
    bool loaded_ = false;
};

QString designedName(const frmMain& w, const char* label) {
    frmMain fresh(w.platform);
    return fresh.findChild<Label*>(label)->text();
}

} // namespace

TEST_F(MainWindowStartUp, ShowsTheDesignedCaptionsWithTheHintAndNames) {
    folder_.write(kPlayers, cp932(QStringLiteral("先手 一\r\n後手 二\r\n")));
    frmMain& w = load();
    ASSERT_TRUE(loaded_);
    const struct {
        const char* label;
        const char* caption;
    } rows[] = {
        {"Lblt1", "0:15:00"},    {"Lblt2", "0:15:00"},      {"Lblt11S", "30"},
        {"Lblt12S", "30"},       {"Lblk1", "10"},           {"Lblk2", "10"},
        {"Lblt11", "0"},         {"Lblt12", "0"},           {"Lblteme", "1手目"},
        {"Lblteban3", "先手番"}, {"lblTT1", "0:00:00"},     {"Lblteban1", "先手"},
        {"Lblteban2", "後手"},   {"Label4", "S：対局設定"}, {"Lblna1", "先手 一"},
        {"Lblna2", "後手 二"},   {"Label2", "(Space Key)"}, {"Label3", "(Enter Key)"},
        {"Lblvs", "VS"},         {"Label1", "TOTAL"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(w.findChild<Label*>(row.label)->text(), QString::fromUtf8(row.caption))
            << row.label;
    EXPECT_EQ(w.windowTitle(), "バンクロ７");
}

TEST_F(MainWindowStartUp, SetsTheStartUpValuesWhileLabelsKeepTheirCaptions) {
    frmMain& w = load();
    EXPECT_EQ(w.t1, ClockTime::fromHms(0, 10, 0));
    EXPECT_EQ(w.Lblt1->text(), "0:15:00"); // nothing shows t1 before a game
    EXPECT_EQ(w.t2, ClockTime::fromHms(0, 10, 0));
    EXPECT_EQ(w.TT1, ClockTime());
    EXPECT_EQ(w.c1, 0);
    EXPECT_TRUE(w.tb);
    EXPECT_TRUE(w.tbs);
    EXPECT_FALSE(w.tm1);
    EXPECT_FALSE(w.tm2);
    EXPECT_FALSE(w.Tr);
    // The values start-up leaves alone are empty, and the empty value reads as nothing.
    EXPECT_TRUE(w.Systmr.isEmpty());
    EXPECT_TRUE(w.t11.isEmpty());
    EXPECT_EQ(w.t11, 0);
    EXPECT_TRUE(w.k1.isEmpty());
    EXPECT_EQ(w.k1.value(), Decimal(0));
    EXPECT_TRUE(w.Jg.isEmpty());
    EXPECT_FALSE(w.Jg);
    EXPECT_EQ(w.Kekka, "");
    EXPECT_EQ(w.Systmr.value().toText(), "0:00:00");
}

TEST_F(MainWindowStartUp, ColoursThePieceLabelsAndShowsThePictures) {
    frmMain& w = load();
    for (const char* name : {"Lblk1", "LblH1", "LblN1"})
        EXPECT_EQ(w.findChild<Label*>(name)->textColor(), QColor(0xC0, 0xFF, 0xFF)) << name;
    for (const char* name : {"Lblk2", "LblH2", "LblN2"})
        EXPECT_EQ(w.findChild<Label*>(name)->textColor(), QColor(0x00, 0x00, 0x80)) << name;
    EXPECT_EQ(w.Picture1->pixmap().toImage().pixelColor(100, 100), QColor(Qt::darkRed));
    EXPECT_EQ(w.Picture2->pixmap().toImage().pixelColor(100, 100), QColor(Qt::yellow));
    EXPECT_EQ(w.Picture1->geometry(), QRect(112, 208, 201, 209));
    EXPECT_EQ(w.Lblk1->parentWidget(), w.Picture1);
    EXPECT_EQ(w.Lblk2->parentWidget(), w.Picture2);
}

TEST_F(MainWindowStartUp, PlayersFileVariants) {
    const struct {
        const char* what;
        std::optional<QByteArray> file;
        QString name1; // empty QString(): the designed caption stays
        QString name2;
    } rows[] = {
        {"no file", std::nullopt, {}, {}},
        {"one line", cp932(QStringLiteral("一人目\r\n")), QStringLiteral("一人目"), {}},
        {"blank first line", QByteArray("\r\nB\r\n"), QStringLiteral(""), QStringLiteral("B")},
        {"more than two lines", cp932(QStringLiteral("甲\r\n乙\r\n丙\r\n丁\r\n")),
         QStringLiteral("甲"), QStringLiteral("乙")},
        {"UTF-8 with LF", QStringLiteral("表示\n能力\n").toUtf8(), QStringLiteral("表示"),
         QStringLiteral("能力")},
        {"empty file", QByteArray(), {}, {}},
        {"control characters",
         QByteArray("\x01"
                    "A\0 a\t\rB\x7f b\x1b\r\n",
                    14),
         "A a", "B b"},
    };
    for (const auto& row : rows) {
        if (row.file)
            folder_.write(kPlayers, *row.file);
        else
            folder_.remove(kPlayers);
        frmMain& w = load();
        const QString expected1 = row.name1.isNull() ? designedName(w, "Lblna1") : row.name1;
        const QString expected2 = row.name2.isNull() ? designedName(w, "Lblna2") : row.name2;
        EXPECT_EQ(w.Lblna1->text(), expected1) << row.what;
        EXPECT_EQ(w.Lblna2->text(), expected2) << row.what;
    }
}

TEST_F(MainWindowStartUp, NamesAreShownAsPlainText) {
    folder_.write(kPlayers, QByteArray("<b>X</b>\r\n<img src=x>\r\n"));
    frmMain& w = load();
    EXPECT_EQ(w.Lblna1->textFormat(), Qt::PlainText);
    EXPECT_EQ(w.Lblna1->text(), "<b>X</b>");
    EXPECT_EQ(w.Lblna2->textFormat(), Qt::PlainText);
    EXPECT_EQ(w.Lblna2->text(), "<img src=x>");
}

// A FIFO in a picture's place would hang the read for good: it counts as missing.
TEST_F(MainWindowStartUp, AMissingPictureIsReportedByNameAndStopsStartUp) {
    for (const bool fifo : {false, true})
        for (const char* missing : {"bmp/Skoma.bmp", "bmp/Gkoma.bmp"}) {
            WorkingFolder fresh;
            fresh.write(kPlayers, QByteArray("A\r\nB\r\n"));
            if (fifo)
                fresh.makeFifo(QString::fromUtf8(missing));
            else
                fresh.remove(QString::fromUtf8(missing));
            fakes_.messageBoxes.asked.clear();
            frmMain& w = load();
            EXPECT_FALSE(loaded_);
            ASSERT_EQ(fakes_.messageBoxes.asked.size(), 1u);
            EXPECT_TRUE(fakes_.messageBoxes.asked[0].text.contains(QString::fromUtf8(missing)));
            EXPECT_NE(w.Label4->text(), "S：対局設定"); // no later step ran
            EXPECT_NE(w.Lblna1->text(), "A");
        }
}

// Every colour of the face, as the texts and the background show them.
QStringList faceColours(const frmMain& w) {
    QStringList colours{w.face->palette().color(QPalette::Window).name()};
    for (const Label* label : w.findChildren<Label*>())
        colours << label->objectName() + ' ' + label->textColor().name();
    return colours;
}

TEST_F(MainWindowStartUp, TheFaceLooksTheSameUnderADarkTheme) {
    const QStringList usual = faceColours(load());
    EXPECT_TRUE(usual.contains("Lblt1 #000000"));
    const QPalette before = QApplication::palette();
    QPalette dark(QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    EXPECT_EQ(faceColours(load()), usual);
    QApplication::setPalette(before);
}

TEST_F(MainWindowStartUp, HasTheIdleMenusTimersAndHiddenControls) {
    frmMain& w = load();
    const QMenu* game = w.findChild<QMenu*>("mnuTaikyoku");
    const QMenu* help = w.findChild<QMenu*>("mnuHelp");
    const struct {
        QAction* action;
        const char* caption;
        bool enabled;
        bool visible;
    } rows[] = {
        {w.mnuHenkou, "対局設定(S)", true, true}, {w.mnuKaisi, "対局中断(P)", false, true},
        {w.mnuTouryou, "投了", false, false},     {w.mnuSenniti, "千日手", false, false},
        {w.syuryou, "終了", true, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.action->text(), QString::fromUtf8(row.caption));
        EXPECT_EQ(row.action->isEnabled(), row.enabled) << row.caption;
        EXPECT_EQ(game->actions().contains(row.action), row.visible) << row.caption;
    }
    EXPECT_EQ(help->actions(), QList<QAction*>{w.mnuVer});
    EXPECT_EQ(w.mnuVer->text(), "バージョン情報");
    EXPECT_TRUE(w.mnuSps2->isSeparator());
    EXPECT_EQ(game->actions().indexOf(w.mnuSps2), 2); // between the pause and exit entries
    EXPECT_EQ(w.mnuTouryou->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(w.mnuSenniti->shortcut(), QKeySequence(Qt::Key_F5));
    const QList<QAction*> bar = w.menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "対局");
    EXPECT_EQ(bar[1]->text(), "ヘルプ");

    EXPECT_FALSE(w.Timer1->enabled());
    EXPECT_EQ(w.Timer1->interval(), 1000);
    EXPECT_FALSE(w.Timer2->enabled());
    EXPECT_EQ(w.Timer2->interval(), 0);

    w.show();
    QApplication::processEvents(); // the height is measured again once the window is framed
    EXPECT_GT(w.cmd1->mapTo(&w, QPoint(0, 0)).y(), w.height()); // below the visible area
    EXPECT_GT(w.Text1->mapTo(&w, QPoint(0, 0)).y(), w.height());
    EXPECT_EQ(w.Text1->maxLength(), 3);
    // 8630 twips, less the title bar and borders the layout was designed with.
    EXPECT_EQ(w.height(), 575 - 31);
}

TEST_F(MainWindowStartUp, HiddenMenuEntriesNeverAppearInTheMenu) {
    frmMain& w = load();
    w.show();
    QMenu* game = w.findChild<QMenu*>("mnuTaikyoku");
    game->popup(QPoint(0, 0));
    QApplication::processEvents();
    for (QAction* hidden : {w.mnuTouryou, w.mnuSenniti})
        EXPECT_TRUE(game->actionGeometry(hidden).isEmpty()) << hidden->text().toStdString();
    EXPECT_FALSE(game->actionGeometry(w.mnuHenkou).isEmpty());
    game->close();
}

// The test button and its box lie below the visible area; a key must not reach them unseen.
TEST_F(MainWindowStartUp, NothingOutOfViewTakesTheFocus) {
    frmMain& w = load();
    w.show();
    const auto reached = reachedByTab(w);
    EXPECT_FALSE(reached.count(w.cmd1));
    EXPECT_FALSE(reached.count(w.Text1));
    pressKey(w, Qt::Key_Space);
    EXPECT_TRUE(fakes_.mmctl.clips().empty());
}
