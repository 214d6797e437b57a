#include "gui/clock_face.h"

#include "core/game_clock.h"
#include "core/players_file.h"
#include "gui/key_texts.h"
#include "gui/play_texts.h"
#include "gui/widgets/drawing.h"
#include "gui/widgets/label.h"
#include "gui/widgets/piece_pictures.h"
#include "gui/widgets/scaled_picture.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor kBackColor(0xFF, 0xFF, 0xB1);
const QColor kSenteTextColor(0xC0, 0xFF, 0xFF); // light cyan, on the sente picture
const QColor kGoteTextColor(0x00, 0x00, 0x80);  // navy, on the gote picture

using namespace table_alignment;
constexpr FontSpec kRoleFont{Face::MsPMincho, 36, true};
constexpr FontSpec kNameFont{Face::MsPMincho, 48, true};
constexpr FontSpec kMainTimeFont{Face::Consolas, 72, false};
constexpr FontSpec kLargeNumberFont{Face::Consolas, 90, false};
constexpr FontSpec kByoyomiLengthFont{Face::Consolas, 27.75, false};
constexpr FontSpec kKeyCaptionFont{Face::MsPGothic, 24, false};
constexpr FontSpec kCaptionFont{Face::MsPGothic, 27.75, false};
constexpr FontSpec kLargeUnitFont{Face::MsPGothic, 36, false};
constexpr FontSpec kSmallUnitFont{Face::MsPGothic, 26.25, false};

enum class Parent { Face, LeftPicture, RightPicture };

struct FaceLabel {
    Label* ClockFace::*member;
    Parent parent;
    LabelSpec spec;
};

// clang-format off
const FaceLabel kLabels[] = {
    {&ClockFace::leftRoleLabel, Parent::Face, {"Lblteban1", "先手", kRoleFont, L, {360, 0, 1935, 735}}},
    {&ClockFace::leftKeyCaption, Parent::Face, {"Label2", "(Space Key)", kKeyCaptionFont, L, {2640, 120, 3135, 495}}},
    {&ClockFace::hintLabel, Parent::Face, {"Label4", "", {Face::MsPGothic, 20.25, false}, C, {5640, 0, 3255, 495}}},
    {&ClockFace::rightKeyCaption, Parent::Face, {"Label3", "(Enter Key)", kKeyCaptionFont, R, {9240, 120, 2895, 495}}},
    {&ClockFace::rightRoleLabel, Parent::Face, {"Lblteban2", "後手", kRoleFont, R, {12240, 0, 1695, 735}}},
    {&ClockFace::leftNameLabel, Parent::Face, {"Lblna1", kSampleName1, kNameFont, L, {360, 720, 5655, 975}}},
    {&ClockFace::vsCaption, Parent::Face, {"Lblvs", "VS", kNameFont, L, {6600, 960, 1215, 975}}},
    {&ClockFace::rightNameLabel, Parent::Face, {"Lblna2", kSampleName2, kNameFont, R, {8400, 720, 5535, 975}}},
    {&ClockFace::leftMainTimeLabel, Parent::Face, {"Lblt1", "0:15:00", kMainTimeFont, R, {120, 1680, 5580, 1395}}},
    {&ClockFace::rightMainTimeLabel, Parent::Face, {"Lblt2", "0:15:00", kMainTimeFont, R, {8280, 1680, 5580, 1395}}},
    {&ClockFace::turnLabel, Parent::Face, {"Lblteban3", "先手番", {Face::MsPMincho, 21.75, true}, C, {6360, 2520, 1575, 495}}},
    {&ClockFace::moveNumberLabel, Parent::Face, {"Lblteme", "1手目", {Face::MsPMincho, 20.25, true}, C, {6360, 3360, 1575, 495}}},
    {&ClockFace::totalCaption, Parent::Face, {"Label1", "TOTAL", {Face::Consolas, 15.75, true}, C, {6600, 4020, 975, 375}}},
    {&ClockFace::totalTimeLabel, Parent::Face, {"lblTT1", "0:00:00", {Face::Consolas, 20.25, true}, C, {6360, 4440, 1575, 375}}},
    {&ClockFace::leftConsiderationLabel, Parent::LeftPicture, {"Lblk1", "10", kLargeNumberFont, R, {120, 360, 2010, 1995}}},
    {&ClockFace::leftMinutesUnit, Parent::LeftPicture, {"LblH1", "分", kLargeUnitFont, L, {2280, 1320, 720, 840}}},
    {&ClockFace::leftRemainingCaption, Parent::LeftPicture, {"LblN1", "残り時間", kCaptionFont, C, {120, 2400, 2805, 675}}},
    {&ClockFace::rightConsiderationLabel, Parent::RightPicture, {"Lblk2", "10", kLargeNumberFont, R, {120, 480, 2010, 1995}}},
    {&ClockFace::rightMinutesUnit, Parent::RightPicture, {"LblH2", "分", kLargeUnitFont, L, {2280, 1320, 720, 855}}},
    {&ClockFace::rightRemainingCaption, Parent::RightPicture, {"LblN2", "残り時間", kCaptionFont, C, {120, 2400, 2805, 675}}},
    {&ClockFace::leftPeriodLabel, Parent::Face, {"Lblt11", "0", kLargeNumberFont, R, {1200, 6000, 3015, 1815}}},
    {&ClockFace::leftSecondsUnit, Parent::Face, {"LblB1", "秒", kLargeUnitFont, C, {4320, 6960, 975, 855}}},
    {&ClockFace::perMoveCaption, Parent::Face, {"LblItte1", "一手", kCaptionFont, L, {6600, 6360, 1215, 615}}},
    {&ClockFace::leftByoyomiLengthLabel, Parent::Face, {"Lblt11S", "30", kByoyomiLengthFont, L, {5640, 7080, 855, 615}}},
    {&ClockFace::leftByoyomiUnit, Parent::Face, {"LblB11", "秒", kSmallUnitFont, C, {6360, 7155, 615, 615}}},
    {&ClockFace::rightByoyomiLengthLabel, Parent::Face, {"Lblt12S", "30", kByoyomiLengthFont, L, {7560, 7080, 735, 615}}},
    {&ClockFace::rightByoyomiUnit, Parent::Face, {"LblB12", "秒", kSmallUnitFont, C, {8280, 7160, 615, 615}}},
    {&ClockFace::rightPeriodLabel, Parent::Face, {"Lblt12", "0", kLargeNumberFont, R, {9360, 6000, 3015, 1815}}},
    {&ClockFace::rightSecondsUnit, Parent::Face, {"LblB2", "秒", kLargeUnitFont, C, {12480, 6960, 975, 855}}},
};

const std::vector<LineSpec> kLines = {
    {"Line4", 6000, 6600, 6360, 6600, 4, Qt::black},
    {"Line3", 6000, 6600, 6000, 6960, 4, Qt::black},
    {"Line1", 7920, 6600, 8280, 6600, 4, Qt::black},
    {"Line2", 8280, 6600, 8280, 6960, 4, Qt::black},
};

const std::vector<FrameSpec> kFrames = {
    {"Shape1", {6240, 2280, 1815, 855}, 3},
    {"Shape2", {6240, 3120, 1815, 855}, 3},
    {"Shape3", {6240, 3960, 1815, 975}, 3},
};
// clang-format on

} // namespace

ClockFace::ClockFace(const GameClock& game, QWidget* parent)
    : ScaledFace(parent)
    , game_(game) {
    setObjectName(QStringLiteral("faceFrame"));
    setAutoFillBackground(true);
    // The face sets every colour it shows: a dark desktop theme's light text would vanish on
    // its fixed light background.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackColor);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    face = new DrawnBackground(this, kLines, kFrames);
    face->setObjectName(QStringLiteral("face"));

    leftPiecePicture = new ScaledPicture(face);
    leftPiecePicture->setObjectName(QStringLiteral("Picture1"));
    leftPiecePicture->setGeometry(TwipsRect{1680, 3120, 3015, 3135}.toPixels());
    rightPiecePicture = new ScaledPicture(face);
    rightPiecePicture->setObjectName(QStringLiteral("Picture2"));
    rightPiecePicture->setGeometry(TwipsRect{9840, 3120, 3015, 3135}.toPixels());

    for (const FaceLabel& row : kLabels) {
        QWidget* parent = face;
        if (row.parent != Parent::Face)
            parent = row.parent == Parent::LeftPicture ? leftPiecePicture : rightPiecePicture;
        this->*row.member = makeLabel(parent, row.spec);
    }

    sayMovesButton = new QPushButton(QStringLiteral("手にて"), face);
    sayMovesButton->setObjectName(QStringLiteral("cmd1"));
    sayMovesButton->setGeometry(TwipsRect{11280, 9000, 1215, 375}.toPixels());
    movesToSayEdit = new QLineEdit(face);
    movesToSayEdit->setObjectName(QStringLiteral("Text1"));
    movesToSayEdit->setMaxLength(3);
    movesToSayEdit->setFont(fontFor({Face::MsPGothic, 12, false}));
    movesToSayEdit->setGeometry(TwipsRect{10560, 9000, 615, 375}.toPixels());
    // The designed face leaves them below its visible area.
    sayMovesButton->hide();
    movesToSayEdit->hide();
    connectGame();
}

ClockFace::SideLabels ClockFace::labelsOf(Side side) const {
    if (side == Side::Left)
        return {leftNameLabel,     leftRoleLabel,
                leftMainTimeLabel, leftPeriodLabel,
                leftSecondsUnit,   leftByoyomiLengthLabel,
                leftByoyomiUnit,   leftConsiderationLabel,
                leftPiecePicture,  {leftConsiderationLabel, leftMinutesUnit, leftRemainingCaption}};
    return {rightNameLabel,     rightRoleLabel,
            rightMainTimeLabel, rightPeriodLabel,
            rightSecondsUnit,   rightByoyomiLengthLabel,
            rightByoyomiUnit,   rightConsiderationLabel,
            rightPiecePicture,  {rightConsiderationLabel, rightMinutesUnit, rightRemainingCaption}};
}

// Each label is written by the signal of the value it shows. The period and the minutes are
// painted at once: a clip that is waited for may follow, holding the thread.
void ClockFace::connectGame() {
    const GameClock* game = &game_;
    connect(game, &GameClock::nameChanged, this,
            [this](Side side) { labelsOf(side).name->setText(game_.name(side)); });
    connect(game, &GameClock::coloursChanged, this, [this] {
        for (const Side side : kBothSides)
            labelsOf(side).role->setText(roleText(game_.role(side)));
        showPieces();
    });
    connect(game, &GameClock::mainTimeChanged, this,
            [this](Side side) { labelsOf(side).mainTime->setText(game_.mainTimeText(side)); });
    connect(game, &GameClock::periodChanged, this,
            [this](Side side) { labelsOf(side).period->setText(game_.periodText(side)); });
    connect(game, &GameClock::byoyomiLengthChanged, this, &ClockFace::showTimeControl);
    connect(game, &GameClock::considerationChanged, this, [this](Side side) {
        labelsOf(side).consideration->setText(game_.considerationText(side));
    });
    connect(game, &GameClock::totalTimeChanged, this,
            [this] { totalTimeLabel->setText(game_.totalTimeText()); });
    connect(game, &GameClock::turnChanged, this,
            [this] { turnLabel->setText(turnText(game_.role(game_.sideToMove()))); });
    connect(game, &GameClock::moveNumberChanged, this,
            [this] { moveNumberLabel->setText(moveNumberText(game_.moveNumber())); });
    connect(game, &GameClock::playStateChanged, this, &ClockFace::showPlayState);
}

// Without byoyomi the period and the consideration minutes mean nothing and are hidden;
// under Fischer the byoyomi length's place shows the increment.
void ClockFace::showTimeControl(Side side) {
    const SideLabels labels = labelsOf(side);
    const TimeControl control = game_.clock(side).control;
    const bool byoyomi = control == TimeControl::Byoyomi;
    labels.byoyomiLength->setText(game_.byoyomiLengthText(side));
    for (Label* label : labels.onPicture)
        label->setVisible(byoyomi);
    for (Label* label : {labels.period, labels.secondsUnit})
        label->setVisible(byoyomi);
    for (Label* label : {labels.byoyomiLength, labels.byoyomiUnit})
        label->setVisible(control != TimeControl::SuddenDeath);
    perMoveCaption->setVisible(control != TimeControl::SuddenDeath);
    face->setLinesShown(control != TimeControl::SuddenDeath); // they frame "一手"
}

void ClockFace::showPlayState() {
    const PlayState& state = game_.playState();
    hintLabel->setText(hintText(state.prompt));
    movesToSayEdit->setEnabled(state.moveCountTestOpen);
    sayMovesButton->setEnabled(state.moveCountTestOpen);
}

void ClockFace::showMoveKeys(const InputOptions& options) {
    leftKeyCaption->setText(faceKeyCaption(options.keysOf(Side::Left)));
    rightKeyCaption->setText(faceKeyCaption(options.keysOf(Side::Right)));
}

void ClockFace::setDesignedHeight(int height) {
    setFace(face, QSize(px(kClientWidthTwips), height));
}

QString ClockFace::showPieces() {
    const auto pictures = PiecePictures::read();
    if (const QString* failed = std::get_if<QString>(&pictures))
        return *failed;
    const auto& [sente, gote] = std::get<PiecePictures>(pictures);
    for (const Side side : kBothSides) {
        const bool isSente = side == game_.senteSide();
        const SideLabels labels = labelsOf(side);
        labels.picture->setPicture(isSente ? sente : gote);
        for (Label* label : labels.onPicture)
            label->setTextColor(isSente ? kSenteTextColor : kGoteTextColor);
    }
    return {};
}
