#include "gui/correction_dialog.h"

#include "core/game_clock.h"
#include "gui/play_texts.h"
#include "gui/widgets/label.h"
#include "gui/widgets/message_box.h"
#include "gui/widgets/window_geometry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace {

using namespace table_alignment;
constexpr FontSpec kPGothic9{Face::MsPGothic, 9, false};
constexpr FontSpec kPGothic9Bold{Face::MsPGothic, 9, true};
constexpr TwipsRect kClientArea{0, 0, 6960, 4320};
constexpr int kSideColumnLeft[] = {1440, 4200}; // by indexOf(Side)
constexpr int kRowHeight = 330;
constexpr int kMainTimeTop = 720;
constexpr int kPeriodTop = 1200;
constexpr int kConsiderationTop = 1680;
constexpr int kMoveNumberTop = 2400;
constexpr int kSideToMoveTop = 2880;
constexpr int kButtonTop = 3600;

// clang-format off
// The row captions, and the unit after the move number.
const LabelSpec kLabels[] = {
    {"lblMainTime", "持ち時間", kPGothic9Bold, L, {240, kMainTimeTop, 1095, kRowHeight}},
    {"lblPeriod", "秒読み", kPGothic9Bold, L, {240, kPeriodTop, 1095, kRowHeight}},
    {"lblConsideration", "考慮時間", kPGothic9Bold, L, {240, kConsiderationTop, 1095, kRowHeight}},
    {"lblMoveNumber", "手数", kPGothic9Bold, L, {240, kMoveNumberTop, 1095, kRowHeight}},
    {"lblMoveNumberUnit", "手目", kPGothic9, L, {2220, kMoveNumberTop, 495, kRowHeight}},
    {"lblSideToMove", "手番", kPGothic9Bold, L, {240, kSideToMoveTop, 1095, kRowHeight}},
};

// A side's number fields, left edges from its column's, in the order of CorrectionField.
struct SideEdit {
    QLineEdit* CorrectionDialog::SideFields::*member;
    const char* name;
    int left;
    int top;
    int width;
};

const SideEdit kSideEdits[] = {
    {&CorrectionDialog::SideFields::hours, "txtHours", 0, kMainTimeTop, 375},
    {&CorrectionDialog::SideFields::minutes, "txtMinutes", 840, kMainTimeTop, 375},
    {&CorrectionDialog::SideFields::seconds, "txtSeconds", 1560, kMainTimeTop, 375},
    {&CorrectionDialog::SideFields::period, "txtPeriod", 0, kPeriodTop, 375},
    {&CorrectionDialog::SideFields::consideration, "txtConsideration", 0, kConsiderationTop, 495},
};

// The units after a side's fields, placed the same way.
const LabelSpec kSideUnits[] = {
    {"lblHoursUnit", "時間", kPGothic9, L, {420, kMainTimeTop, 375, kRowHeight}},
    {"lblMinutesUnit", "分", kPGothic9, L, {1260, kMainTimeTop, 255, kRowHeight}},
    {"lblSecondsUnit", "秒", kPGothic9, L, {1980, kMainTimeTop, 255, kRowHeight}},
    {"lblPeriodUnit", "秒", kPGothic9, L, {420, kPeriodTop, 255, kRowHeight}},
    {"lblConsiderationUnit", "分", kPGothic9, L, {540, kConsiderationTop, 255, kRowHeight}},
};

struct Button {
    QPushButton* CorrectionDialog::*member;
    const char* name;
    const char* caption;
    TwipsRect rect;
};

const Button kButtons[] = {
    {&CorrectionDialog::okButton, "cmdOK", "OK", {3600, kButtonTop, 1335, 435}},
    {&CorrectionDialog::cancelButton, "cmdCancel", "キャンセル", {5160, kButtonTop, 1335, 435}},
};
// clang-format on

// Every control of this dialog is in the dialog's one font.
template <typename W> W* placeInFont(W* widget, const QString& name, const TwipsRect& rect) {
    place(widget, name, rect)->setFont(fontFor(kPGothic9));
    return widget;
}

// Each side's controls are named after the side: txtHours(0) on the left.
QString sideName(const char* name, Side side) {
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(name)).arg(indexOf(side));
}

} // namespace

CorrectionDialog::CorrectionDialog(GameClock& game, MessageBoxes& messageBoxes, QWidget* parent)
    : QDialog(parent, kFixedSizeDialog)
    , game_(game)
    , messageBoxes_(messageBoxes) {
    setWindowTitle(QStringLiteral("時間修正"));
    setModal(true);
    setFixedSize(kClientArea.toPixels().size());
    for (const LabelSpec& spec : kLabels)
        makeLabel(this, spec);
    // Built in the tab order: the left column, the right, then the game's fields.
    for (const Side side : kBothSides)
        buildSide(side, kSideColumnLeft[indexOf(side)]);
    moveNumberEdit = placeInFont(new QLineEdit(this), QStringLiteral("txtMoveNumber"),
                                 {1440, kMoveNumberTop, 735, kRowHeight});
    edits_.back() = moveNumberEdit;
    senteToMoveOption =
        placeInFont(new QRadioButton(QStringLiteral("先手番"), this),
                    QStringLiteral("optSenteToMove"), {1440, kSideToMoveTop, 1095, kRowHeight});
    goteToMoveOption =
        placeInFont(new QRadioButton(QStringLiteral("後手番"), this),
                    QStringLiteral("optGoteToMove"), {2640, kSideToMoveTop, 1095, kRowHeight});
    for (const Button& row : kButtons) {
        this->*row.member = placeInFont(new QPushButton(QString::fromUtf8(row.caption), this),
                                        QString::fromUtf8(row.name), row.rect);
    }
    okButton->setDefault(true); // Enter in a field applies
    connect(okButton, &QPushButton::clicked, this, &CorrectionDialog::apply);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    fill();
}

void CorrectionDialog::buildSide(Side side, int left) {
    SideFields& fields = sides[indexOf(side)];
    fields.role = makeLabel(this, {"", "", kPGothic9Bold, L, {left, 240, 495, kRowHeight}});
    fields.role->setObjectName(sideName("lblRole", side));
    fields.name = makeLabel(this, {"", "", kPGothic9, L, {left + 540, 240, 2175, kRowHeight}});
    fields.name->setObjectName(sideName("lblName", side));
    const std::size_t firstField = indexOf(side) * std::size(kSideEdits);
    for (std::size_t i = 0; i < std::size(kSideEdits); ++i) {
        const SideEdit& row = kSideEdits[i];
        QLineEdit* edit = placeInFont(new QLineEdit(this), sideName(row.name, side),
                                      {left + row.left, row.top, row.width, kRowHeight});
        edit->setAlignment(R);
        fields.*row.member = edit;
        edits_[firstField + i] = edit;
    }
    for (LabelSpec unit : kSideUnits) {
        unit.rect.left += left;
        makeLabel(this, unit)->setObjectName(sideName(unit.name, side));
    }
}

void CorrectionDialog::fill() {
    const Correction now = game_.currentCorrection();
    for (const Side side : kBothSides) {
        const SideFields& fields = sides[indexOf(side)];
        const Correction::SideTimes& times = now.sides[indexOf(side)];
        fields.role->setText(roleText(game_.role(side)));
        fields.name->setText(game_.name(side));
        for (const auto& [edit, text] : {std::pair{fields.hours, times.hours},
                                         {fields.minutes, times.minutes},
                                         {fields.seconds, times.seconds},
                                         {fields.period, times.periodSeconds},
                                         {fields.consideration, times.considerationMinutes}})
            edit->setText(text);
    }
    // Without byoyomi a game has no period and no consideration minutes to correct.
    const bool byoyomi = game_.clock(Side::Left).control == TimeControl::Byoyomi;
    for (QWidget* row : findChildren<QWidget*>(QRegularExpression("Period|Consideration")))
        row->setVisible(byoyomi);
    moveNumberEdit->setText(now.moveNumber);
    moveNumberEdit->setAlignment(R);
    const bool senteToMove = now.sideToMove == game_.senteSide();
    (senteToMove ? senteToMoveOption : goteToMoveOption)->setChecked(true);
    edit(CorrectionField::LeftHours)->setFocus();
}

QLineEdit* CorrectionDialog::edit(CorrectionField field) const {
    return edits_[std::size_t(field)];
}

Correction CorrectionDialog::correction() const {
    Correction correction;
    for (const Side side : kBothSides) {
        const SideFields& fields = sides[indexOf(side)];
        correction.sides[indexOf(side)] = {fields.hours->text(), fields.minutes->text(),
                                           fields.seconds->text(), fields.period->text(),
                                           fields.consideration->text()};
    }
    correction.moveNumber = moveNumberEdit->text();
    const Side sente = game_.senteSide();
    correction.sideToMove = senteToMoveOption->isChecked() ? sente : opposite(sente);
    return correction;
}

void CorrectionDialog::apply() {
    const std::optional<CorrectionField> bad = game_.correct(correction());
    if (!bad) {
        accept();
        return;
    }
    tellBadNumber(messageBoxes_, this);
    edit(*bad)->setFocus();
}
