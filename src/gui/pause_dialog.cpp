#include "gui/pause_dialog.h"

#include "core/game_clock.h"
#include "gui/correction_dialog.h"
#include "gui/play_texts.h"
#include "gui/widgets/key_preview.h"
#include "gui/widgets/label.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

using namespace table_alignment;
constexpr FontSpec kMincho2025B{Face::MsPMincho, 20.25, true};
constexpr FontSpec kConsolas18{Face::Consolas, 18, false};
constexpr FontSpec kConsolas2025{Face::Consolas, 20.25, false};
constexpr FontSpec kGothic12{Face::MsPGothic, 12, false};
constexpr FontSpec kGothic1575{Face::MsPGothic, 15.75, false};

struct PauseLabel {
    Label* PauseDialog::*member; // null for the fixed captions
    LabelSpec spec;
};

// clang-format off
const PauseLabel kLabels[] = {
    {nullptr, {"Label2", "現在", {Face::MsPGothic, 21.75, true}, C, {240, 120, 915, 435}}},
    {&PauseDialog::turnLabel, {"Lblteban3", "先手番", kMincho2025B, C, {1440, 120, 1575, 495}}},
    {&PauseDialog::moveNumberLabel, {"Lblteme", "1手目", kMincho2025B, C, {3240, 120, 1455, 405}}},
    {nullptr, {"Label1", "TOTAL", {Face::Consolas, 14.25, true}, C, {5040, 240, 975, 255}}},
    {&PauseDialog::totalTimeLabel, {"lblTT1", "0:00:00", {Face::Consolas, 20.25, true}, C, {6240, 120, 1575, 375}}},
    {nullptr, {"Label3", "残り時間", {Face::MsPGothic, 14.25, true}, C, {30, 960, 1155, 285}}},
    {&PauseDialog::leftRoleLabel, {"Lblteban1", "先手", kMincho2025B, L, {1440, 720, 840, 405}}},
    {&PauseDialog::leftNameLabel, {"Lblna1", "", kMincho2025B, L, {2520, 720, 2415, 405}}},
    {&PauseDialog::leftMainTimeLabel, {"Lblt1", "0:10:00", kConsolas18, R, {4800, 720, 1560, 405}}},
    {nullptr, {"Label4", "+ (", kConsolas2025, L, {6600, 720, 405, 405}}},
    {&PauseDialog::leftConsiderationLabel, {"Lblk1", "10", kConsolas18, R, {6990, 720, 390, 420}}},
    {nullptr, {"LblH1", "分", kGothic12, L, {7560, 840, 360, 345}}},
    {&PauseDialog::rightRoleLabel, {"Lblteban2", "後手", kMincho2025B, R, {1440, 1200, 840, 405}}},
    {&PauseDialog::rightNameLabel, {"Lblna2", "", kMincho2025B, L, {2520, 1200, 2415, 405}}},
    {&PauseDialog::rightMainTimeLabel, {"Lblt2", "0:10:00", kConsolas18, R, {4800, 1200, 1560, 405}}},
    {nullptr, {"Label5", "+ (", kConsolas2025, L, {6600, 1200, 450, 405}}},
    {&PauseDialog::rightConsiderationLabel, {"Lblk2", "10", kConsolas18, R, {6990, 1200, 390, 420}}},
    {nullptr, {"LblH2", "分", kGothic12, L, {7560, 1320, 345, 315}}},
    {nullptr, {"Label8", "対局を再開します", kGothic1575, L, {1440, 2040, 3315, 375}}},
    {&PauseDialog::resignerLabel, {"lblTouryou", "", kGothic1575, L, {1440, 2880, 5295, 315}}},
    {nullptr, {"Label9", "指し直します", kGothic1575, L, {1440, 3720, 3315, 315}}},
    {nullptr, {"Label10", "先手負けにて対局を終了します", kGothic1575, L, {1440, 4560, 6885, 315}}},
    {&PauseDialog::senteNameLabel, {"lblSna", "", kDefaultFont, L, {1440, 4920, 1575, 180}}},
    {nullptr, {"Label11", "後手負けにて対局を終了します", kGothic1575, L, {1440, 5400, 6885, 315}}},
    {&PauseDialog::goteNameLabel, {"lblGna", "", kDefaultFont, L, {1440, 5760, 1575, 180}}},
    {nullptr, {"Label12", "引き分けにて対局を終了します", kGothic1575, L, {1440, 6240, 6885, 315}}},
    {nullptr, {"lblCorrection", "持ち時間・秒読み・考慮時間・手数を直します", kGothic1575, L, {1440, 7080, 6450, 315}}},
};
// clang-format on

struct Button {
    QPushButton* PauseDialog::*member;
    const char* name;
    const char* caption;
};

// One under the other, in the designed tab order.
const Button kButtons[] = {
    {&PauseDialog::resumeButton, "cmdSaikai", "対局再開"},
    {&PauseDialog::resignButton, "cmdTouryou", "投了"},
    {&PauseDialog::replayButton, "cmdSashinaoshi", "指し直し"},
    {&PauseDialog::senteLosesButton, "cmdSyuuryou(0)", "先手負け"},
    {&PauseDialog::goteLosesButton, "cmdSyuuryou(1)", "後手負け"},
    {&PauseDialog::drawButton, "cmdSyuuryou(2)", "引き分け"},
    {&PauseDialog::correctionButton, "cmdCorrection", "時間修正"},
};

} // namespace

PauseDialog::PauseDialog(GameClock& game, InputLayer& input, MessageBoxes& messageBoxes,
                         QWidget* parent)
    : ReusableDialog(parent)
    , game_(game)
    , messageBoxes_(messageBoxes) {
    setWindowTitle(QStringLiteral("対局中断ﾒﾆｭｰ"));
    resize(TwipsRect{0, 0, 8010, 7755}.toPixels().size());
    for (const PauseLabel& row : kLabels) {
        Label* label = makeLabel(this, row.spec);
        if (row.member)
            this->*row.member = label;
    }
    buildButtons();
    new KeyPreview(this, input, [this](std::optional<Command> command, const QKeyEvent& key) {
        return previewKey(command, key);
    });
}

void PauseDialog::buildButtons() {
    int top = 1920;
    for (const Button& row : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(row.caption), this);
        button->setObjectName(QString::fromUtf8(row.name));
        button->setGeometry(TwipsRect{240, top, 1095, 615}.toPixels());
        this->*row.member = button;
        top += 840;
    }
    connect(resumeButton, &QPushButton::clicked, this, &PauseDialog::resume);
    connect(resignButton, &QPushButton::clicked, this, &PauseDialog::resign);
    connect(replayButton, &QPushButton::clicked, this, &PauseDialog::replay);
    connect(senteLosesButton, &QPushButton::clicked, this, [this] { endWith(Outcome::GoteWins); });
    connect(goteLosesButton, &QPushButton::clicked, this, [this] { endWith(Outcome::SenteWins); });
    connect(drawButton, &QPushButton::clicked, this, [this] { endWith(Outcome::Draw); });
    connect(correctionButton, &QPushButton::clicked, this, &PauseDialog::correctTimes);
    resumeButton->setFocus(); // first in the tab order: Space or Enter resumes
}

// The resume command's keys resume; Esc is swallowed, as the window has no cancel button;
// every other key goes to the focused button.
bool PauseDialog::previewKey(std::optional<Command> command, const QKeyEvent& key) {
    if (command == Command::Resume) {
        resume();
        return true;
    }
    return key.key() == Qt::Key_Escape;
}

void PauseDialog::showSnapshot() {
    const GameClock& g = game_;
    for (const auto& [label, text] : {std::pair{turnLabel, turnText(g.role(g.sideToMove()))},
                                      {moveNumberLabel, moveNumberText(g.moveNumber())},
                                      {leftRoleLabel, roleText(g.role(Side::Left))},
                                      {rightRoleLabel, roleText(g.role(Side::Right))},
                                      {totalTimeLabel, g.totalTimeText()},
                                      {leftNameLabel, g.name(Side::Left)},
                                      {leftMainTimeLabel, g.mainTimeText(Side::Left)},
                                      {leftConsiderationLabel, g.considerationText(Side::Left)},
                                      {rightNameLabel, g.name(Side::Right)},
                                      {rightMainTimeLabel, g.mainTimeText(Side::Right)},
                                      {rightConsiderationLabel, g.considerationText(Side::Right)}})
        label->setText(text);
    resignerLabel->setText(QStringLiteral("現在手番の") + g.name(g.sideToMove()) +
                           QStringLiteral("が投了します"));
    const auto inBrackets = [](const QString& name) { return u'(' + name + u')'; };
    senteNameLabel->setText(inBrackets(g.name(g.senteSide())));
    goteNameLabel->setText(inBrackets(g.name(opposite(g.senteSide()))));
    resumeButton->setFocus();
}

// A game that has ended, or awaits the time-out question, is never run again from here.
void PauseDialog::resume() {
    game_.resume();
    hide();
}

void PauseDialog::resign() {
    hide();
    game_.resign();
}

void PauseDialog::endWith(Outcome outcome) {
    hide();
    game_.endGame(outcome);
}

void PauseDialog::correctTimes() {
    CorrectionDialog dialog(game_, messageBoxes_, this);
    if (dialog.exec() == QDialog::Accepted)
        showSnapshot();
}

void PauseDialog::replay() {
    hide();
    game_.prepareReplay(Abandonment::Replay);
    emit replayRequested();
}
