#include "play/pause_window.h"

#include "clock/main_window.h"
#include "platform/key_preview.h"
#include "platform/label.h"
#include "platform/ui_timer.h"
#include "result/result_codes.h"

#include <QAction>
#include <QKeyEvent>
#include <QPushButton>

namespace {

constexpr Qt::Alignment L = Qt::AlignLeft;
constexpr Qt::Alignment C = Qt::AlignHCenter;
constexpr Qt::Alignment R = Qt::AlignRight;
constexpr FontSpec kMincho2025B{Face::MsPMincho, 20.25, true};
constexpr FontSpec kConsolas18{Face::Consolas, 18, false};
constexpr FontSpec kConsolas2025{Face::Consolas, 20.25, false};
constexpr FontSpec kGothic12{Face::MsPGothic, 12, false};
constexpr FontSpec kGothic1575{Face::MsPGothic, 15.75, false};
// The replay shows the settings dialog whole, with its draw button.
constexpr int kReplaySettingsHeightTwips = 6050;

struct PauseLabel {
    Label* frmTyuudan::*member; // null for the fixed captions
    LabelSpec spec;
};

// clang-format off
const PauseLabel kLabels[] = {
    {nullptr, {"Label2", "現在", {Face::MsPGothic, 21.75, true}, C, {240, 120, 915, 435}}},
    {&frmTyuudan::Lblteban3, {"Lblteban3", "先手番", kMincho2025B, C, {1440, 120, 1575, 495}}},
    {&frmTyuudan::Lblteme, {"Lblteme", "1手目", kMincho2025B, C, {3240, 120, 1455, 405}}},
    {nullptr, {"Label1", "TOTAL", {Face::Consolas, 14.25, true}, C, {5040, 240, 975, 255}}},
    {&frmTyuudan::lblTT1, {"lblTT1", "0:00:00", {Face::Consolas, 20.25, true}, C, {6240, 120, 1575, 375}}},
    {nullptr, {"Label3", "残り時間", {Face::MsPGothic, 14.25, true}, C, {30, 960, 1155, 285}}},
    {&frmTyuudan::Lblteban1, {"Lblteban1", "先手", kMincho2025B, L, {1440, 720, 840, 405}}},
    {&frmTyuudan::Lblna1, {"Lblna1", "", kMincho2025B, L, {2520, 720, 2415, 405}}},
    {&frmTyuudan::Lblt1, {"Lblt1", "0:10:00", kConsolas18, R, {4800, 720, 1560, 405}}},
    {nullptr, {"Label4", "+ (", kConsolas2025, L, {6600, 720, 405, 405}}},
    {&frmTyuudan::Lblk1, {"Lblk1", "10", kConsolas18, R, {6990, 720, 390, 420}}},
    {nullptr, {"LblH1", "分", kGothic12, L, {7560, 840, 360, 345}}},
    {&frmTyuudan::Lblteban2, {"Lblteban2", "後手", kMincho2025B, R, {1440, 1200, 840, 405}}},
    {&frmTyuudan::Lblna2, {"Lblna2", "", kMincho2025B, L, {2520, 1200, 2415, 405}}},
    {&frmTyuudan::Lblt2, {"Lblt2", "0:10:00", kConsolas18, R, {4800, 1200, 1560, 405}}},
    {nullptr, {"Label5", "+ (", kConsolas2025, L, {6600, 1200, 450, 405}}},
    {&frmTyuudan::Lblk2, {"Lblk2", "10", kConsolas18, R, {6990, 1200, 390, 420}}},
    {nullptr, {"LblH2", "分", kGothic12, L, {7560, 1320, 345, 315}}},
    {nullptr, {"Label8", "対局を再開します", kGothic1575, L, {1440, 2040, 3315, 375}}},
    {&frmTyuudan::lblTouryou, {"lblTouryou", "", kGothic1575, L, {1440, 2880, 5295, 315}}},
    {nullptr, {"Label9", "指し直します", kGothic1575, L, {1440, 3720, 3315, 315}}},
    {nullptr, {"Label10", "先手負けにて対局を終了します", kGothic1575, L, {1440, 4560, 6885, 315}}},
    {&frmTyuudan::lblSna, {"lblSna", "", kDefaultFont, L, {1440, 4920, 1575, 180}}},
    {nullptr, {"Label11", "後手負けにて対局を終了します", kGothic1575, L, {1440, 5400, 6885, 315}}},
    {&frmTyuudan::lblGna, {"lblGna", "", kDefaultFont, L, {1440, 5760, 1575, 180}}},
    {nullptr, {"Label12", "引き分けにて対局を終了します", kGothic1575, L, {1440, 6240, 6885, 315}}},
};
// clang-format on

// The result of each of the three end buttons: 先手負け, 後手負け, 引き分け.
const QString kEndResults[] = {kGoteWins, kSenteWins, kDraw};

QPushButton* makeButton(QWidget* parent, const QString& name, const char* caption, int top) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setGeometry(TwipsRect{240, top, 1095, 615}.toPixels());
    return button;
}

} // namespace

frmTyuudan::frmTyuudan(frmMain& main)
    : ReusableDialog(&main)
    , main_(main) {
    setWindowTitle(QStringLiteral("対局中断ﾒﾆｭｰ"));
    resize(TwipsRect{0, 0, 8010, 6915}.toPixels().size());
    for (const PauseLabel& row : kLabels) {
        Label* label = makeLabel(this, row.spec);
        if (row.member)
            this->*row.member = label;
    }
    buildButtons();
    new KeyPreview(
        this, [this](QKeyEvent* event) { return previewKey(event->key(), characterCode(event)); });
}

void frmTyuudan::buildButtons() {
    cmdSaikai = makeButton(this, QStringLiteral("cmdSaikai"), "対局再開", 1920);
    cmdTouryou = makeButton(this, QStringLiteral("cmdTouryou"), "投了", 2760);
    cmdSashinaoshi = makeButton(this, QStringLiteral("cmdSashinaoshi"), "指し直し", 3600);
    const char* const captions[] = {"先手負け", "後手負け", "引き分け"};
    for (int i = 0; i < 3; ++i) {
        cmdSyuuryou[i] =
            makeButton(this, QStringLiteral("cmdSyuuryou(%1)").arg(i), captions[i], 4440 + 840 * i);
        connect(cmdSyuuryou[i], &QPushButton::clicked, this, [this, i] { cmdSyuuryou_Click(i); });
    }
    connect(cmdSaikai, &QPushButton::clicked, this, &frmTyuudan::cmdSaikai_Click);
    connect(cmdTouryou, &QPushButton::clicked, this, &frmTyuudan::cmdTouryou_Click);
    connect(cmdSashinaoshi, &QPushButton::clicked, this, &frmTyuudan::cmdSashinaoshi_Click);
    cmdSaikai->setFocus(); // first in the tab order: Space or Enter resumes
}

// F2, P or p resume; Esc is swallowed, as the window has no cancel button; every other key
// goes to the focused button.
bool frmTyuudan::previewKey(int key, int KeyAscii) {
    if (key == Qt::Key_F2 ||
        ((KeyAscii == 'P' || KeyAscii == 'p') && main_.mnuKaisi->isEnabled())) {
        cmdSaikai_Click();
        return true;
    }
    return key == Qt::Key_Escape;
}

void frmTyuudan::fill() {
    frmMain& m = main_;
    for (auto [mine, theirs] : {std::pair{Lblteban3, m.Lblteban3},
                                {Lblteme, m.Lblteme},
                                {Lblteban1, m.Lblteban1},
                                {Lblteban2, m.Lblteban2},
                                {lblTT1, m.lblTT1},
                                {Lblna1, m.Lblna1},
                                {Lblt1, m.Lblt1},
                                {Lblk1, m.Lblk1},
                                {Lblna2, m.Lblna2},
                                {Lblt2, m.Lblt2},
                                {Lblk2, m.Lblk2}})
        mine->setText(theirs->text());
    lblTouryou->setText(QStringLiteral("現在手番の") + (m.tb ? m.Lblna1 : m.Lblna2)->text() +
                        QStringLiteral("が投了します"));
    const auto inBrackets = [](const Label* name) { return u'(' + name->text() + u')'; };
    lblSna->setText(inBrackets(m.tbs ? m.Lblna1 : m.Lblna2));
    lblGna->setText(inBrackets(m.tbs ? m.Lblna2 : m.Lblna1));
    cmdSaikai->setFocus();
}

// Resumes; the resign and repetition-draw commands stay off until the next game. A game
// that has ended, or awaits the time-out question, is never run again from here.
void frmTyuudan::cmdSaikai_Click() {
    if (main_.mnuKaisi->isEnabled()) {
        main_.mnuKaisi->setText(QStringLiteral("対局中断(P)"));
        main_.Label4->setText(QStringLiteral("P：対局中断"));
        main_.Timer1->setEnabled(true);
    }
    hide();
}

void frmTyuudan::cmdTouryou_Click() {
    main_.Tr = true;
    main_.Kekka = lossOfSideToMove(main_.tb, main_.tbs);
    hide();
    main_.owari();
}

void frmTyuudan::cmdSyuuryou_Click(int Index) {
    main_.Kekka = kEndResults[Index];
    hide();
    main_.owari();
}

// The old game stays paused, unrecorded, while the players set up the replay.
void frmTyuudan::cmdSashinaoshi_Click() {
    main_.settings.reverseColours(main_.tbs);
    hide();
    main_.settings.showModal(kReplaySettingsHeightTwips);
}
