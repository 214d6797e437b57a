#include "gui/settings_dialog.h"

#include "core/game_clock.h"
#include "core/number_text.h"
#include "core/players_file.h"
#include "core/settings_file.h"
#include "gui/preset_panel.h"
#include "gui/services.h"
#include "gui/stored_settings.h"
#include "gui/toss_dialog.h"
#include "gui/widgets/key_preview.h"
#include "gui/widgets/label.h"
#include "gui/widgets/message_box.h"
#include "gui/widgets/piece_pictures.h"
#include "gui/widgets/window_geometry.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <cstdio>

namespace {

using namespace table_alignment;
constexpr FontSpec kGothic9{Face::MsGothic, 9, false};
constexpr FontSpec kPGothic1125{Face::MsPGothic, 11.25, false};
constexpr TwipsRect kClientArea{0, 0, 10440, 5580};
constexpr int kHeightTwips = 5200;
constexpr int kReplayHeightTwips = 6050;

// clang-format off
const LabelSpec kLabels[] = {
    {"Label7", "対局者１", kGothic9, L, {240, 120, 855, 255}},
    {"Label8", "対局者２", kGothic9, R, {5280, 120, 855, 255}},
    {"Label9", "持ち時間", kGothic9, L, {240, 960, 975, 255}},
    {"Label10", "持ち時間", kGothic9, R, {5040, 960, 975, 255}},
    {"Label1", "時間", kGothic9, L, {840, 1320, 375, 255}},
    {"Label2", "分", kGothic9, L, {2040, 1320, 255, 255}},
    {"Label4", "時間", kGothic9, L, {4920, 1320, 375, 255}},
    {"Label5", "分", kGothic9, L, {6120, 1320, 255, 255}},
    {"Label14", "考慮時間   （１分単位）", kGothic9, L, {120, 1800, 1095, 375}},
    {"Label15", "分", kGothic9, L, {2160, 1920, 255, 255}},
    {"Label3", "（０～１０）", kDefaultFont, L, {1200, 2280, 735, 255}},
    {"Label16", "考慮時間   （１分単位）", kGothic9, L, {4200, 1800, 1095, 375}},
    {"Label17", "分", kGothic9, L, {6240, 1920, 255, 255}},
    {"Label6", "（０～１０）", kDefaultFont, L, {5400, 2280, 735, 255}},
    {"lblMode", "方式", kGothic9, L, {6600, 180, 615, 255}},
    {"lblByoyomiLength", "秒読み　一手（５～６０秒）", kGothic9, L, {6600, 660, 2775, 255}},
    {"lblLength1", "対局者１", kGothic9, L, {6720, 1020, 855, 255}},
    {"lblLengthUnit1", "秒", kGothic9, L, {8520, 1020, 255, 255}},
    {"lblLength2", "対局者２", kGothic9, L, {6720, 1440, 855, 255}},
    {"lblLengthUnit2", "秒", kGothic9, L, {8520, 1440, 255, 255}},
    {"lblIncrement", "加算（１～６０秒）", kGothic9, L, {6600, 1920, 1935, 255}},
    {"lblIncrementUnit", "秒", kGothic9, L, {9480, 1920, 255, 255}},
};

// In the order of TimeControl.
const char* const kModeNames[] = {"秒読み", "切れ負け", "フィッシャー"};

// Where the number fields are; their texts and ranges are the clock's.
struct NumberField {
    QLineEdit* SettingsDialog::*member;
    const char* name;
    TwipsRect rect;
};

// In the order of SettingsField, which names the field a failed start stops at.
const NumberField kNumberFields[] = {
    {&SettingsDialog::leftHoursEdit, "txtT11", {120, 1200, 345, 375}},
    {&SettingsDialog::leftMinutesEdit, "txtT12", {1320, 1200, 375, 375}},
    {&SettingsDialog::rightHoursEdit, "txtT21", {4200, 1200, 345, 375}},
    {&SettingsDialog::rightMinutesEdit, "txtT22", {5400, 1200, 375, 375}},
    {&SettingsDialog::leftConsiderationEdit, "txtK1", {1320, 1800, 495, 375}},
    {&SettingsDialog::rightConsiderationEdit, "txtK2", {5520, 1800, 495, 375}},
};

struct Button {
    QPushButton* SettingsDialog::*member;
    const char* name;
    const char* caption;
    FontSpec font;
    TwipsRect rect;
};

const Button kButtons[] = {
    {&SettingsDialog::leftTossButton, "cmdFg1", "振り駒", {Face::MsPGothic, 12, false}, {360, 3840, 1335, 735}},
    {&SettingsDialog::startButton, "cmdOK", "対局開始", {Face::MsPGothic, 15.75, false}, {2280, 3840, 1935, 735}},
    {&SettingsDialog::rightTossButton, "cmdFg2", "振り駒", {Face::MsPGothic, 12, false}, {4800, 3840, 1335, 735}},
    {&SettingsDialog::drawInsteadButton, "cmdHikiwake", "やっぱり引き分けにする", kDefaultFont, {3960, 4920, 2175, 495}},
};

const char* const kByoyomiCaptions[] = {"１０秒", "３０秒", "６０秒"};
constexpr int kByoyomiSeconds[] = {10, 30, 60};
// clang-format on

// Checks the option of the length, or none for a length the options lack.
void showLengthOption(const std::array<QRadioButton*, 3>& options, int seconds) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        options[i]->setAutoExclusive(false);
        options[i]->setChecked(kByoyomiSeconds[i] == seconds);
        options[i]->setAutoExclusive(true);
    }
}

QSpinBox* secondsBox(QWidget* parent, const char* name, const TwipsRect& rect, int smallest,
                     int largest) {
    QSpinBox* box = place(new QSpinBox(parent), name, rect);
    box->setRange(smallest, largest);
    box->setFont(fontFor(kPGothic1125));
    return box;
}

} // namespace

SettingsDialog::SettingsDialog(GameClock& game, InputLayer& input, Services& services,
                               StoredSettings& stored, QWidget* parent)
    : ReusableDialog(parent, kFixedSizeDialog)
    , game_(game)
    , services_(services)
    , stored_(stored) {
    setWindowTitle(QStringLiteral("対局設定"));
    setFixedSize(kClientArea.toPixels().size());
    buildLayout();
    new KeyPreview(this, input, [this](std::optional<Command> command, const QKeyEvent& key) {
        if (command == Command::CloseSettings) {
            discard();
            return true;
        }
        // No button answers Enter or Esc: Enter is side 2's move key. In a name box Enter
        // would put the first listed name in place of the shown one.
        const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
        const QWidget* focus = focusWidget();
        const bool inNameBox =
            focus && (leftNameBox->isAncestorOf(focus) || rightNameBox->isAncestorOf(focus));
        return key.key() == Qt::Key_Escape || (enter && inNameBox);
    });
    fillNameBoxes();
    fill(stored_.game);
}

void SettingsDialog::buildLayout() {
    for (const LabelSpec& spec : kLabels)
        makeLabel(this, spec);
    for (const char* name : {"Label14", "Label16"})
        findChild<Label*>(name)->setWordWrap(true);

    leftNameBox = place(new QComboBox(this), "cboT1", {120, 480, 1815, 300});
    rightNameBox = place(new QComboBox(this), "cboT2", {4560, 480, 1815, 300});
    for (QComboBox* box : {leftNameBox, rightNameBox}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setFont(fontFor(kGothic9));
    }
    leftNameBox->setEditText(QString::fromUtf8(kSampleName1));
    rightNameBox->setEditText(QString::fromUtf8(kSampleName2));
    buildNumberFields();
    buildOptions();
    buildButtons();
    buildTimeControls();
    // The designed tab order; labels and frames hold places in it but take no focus.
    setTabOrder({leftNameBox,
                 rightNameBox,
                 leftHoursEdit,
                 leftMinutesEdit,
                 rightHoursEdit,
                 rightMinutesEdit,
                 rightFirstOption,
                 leftFirstOption,
                 startButton,
                 leftTossButton,
                 rightTossButton,
                 leftConsiderationEdit,
                 rightConsiderationEdit,
                 leftByoyomiOptions[0],
                 leftByoyomiOptions[1],
                 leftByoyomiOptions[2],
                 rightByoyomiOptions[2],
                 rightByoyomiOptions[1],
                 rightByoyomiOptions[0],
                 drawInsteadButton,
                 modeBox,
                 byoyomiLengthBoxes[0],
                 byoyomiLengthBoxes[1],
                 incrementBox,
                 presets->list,
                 presets->saveButton,
                 presets->deleteButton});
}

void SettingsDialog::buildNumberFields() {
    for (std::size_t i = 0; i < std::size(kNumberFields); ++i) {
        const NumberField& field = kNumberFields[i];
        const auto settingsField = SettingsField(i);
        QLineEdit* edit = place(new QLineEdit(this), field.name, field.rect);
        edit->setFont(fontFor(kPGothic1125));
        edit->setText(QString::fromUtf8(ruleOf(settingsField).initial));
        // A value out of range is put back at once; text that is not a number stays, for
        // the start button to report.
        connect(edit, &QLineEdit::textChanged, this, [edit, settingsField](const QString& text) {
            if (outOfRange(settingsField, text))
                edit->setText(QString::fromUtf8(ruleOf(settingsField).reset));
        });
        this->*field.member = edit;
    }
}

void SettingsDialog::buildOptions() {
    firstPlayerGroup = place(new QGroupBox(this), "Frame1", {2520, 120, 1335, 615});
    firstPlayerGroup->setFont(fontFor(kGothic9));
    leftFirstOption = place(new QRadioButton(firstPlayerGroup), "optTb1", {120, 240, 255, 255});
    makeLabel(firstPlayerGroup, {"Label13", "先手", kDefaultFont, C, {360, 240, 615, 255}});
    rightFirstOption = place(new QRadioButton(firstPlayerGroup), "optTb2", {960, 240, 255, 255});
    leftFirstOption->setChecked(true);

    leftByoyomiGroup =
        place(new QGroupBox(QStringLiteral("一手"), this), "Frame2", {120, 2520, 2415, 975});
    rightByoyomiGroup =
        place(new QGroupBox(QStringLiteral("一手"), this), "Frame3", {3960, 2520, 2415, 975});
    const int optionLeft[] = {240, 1080, 1920};
    const int frame2LabelLeft[] = {120, 840, 1800};
    const int frame3LabelLeft[] = {120, 960, 1800};
    for (int i = 0; i < 3; ++i) {
        const QByteArray n = QByteArray::number(i);
        leftByoyomiOptions[i] = place(new QRadioButton(leftByoyomiGroup), "optI1(" + n + ")",
                                      {optionLeft[i], 240, 255, 375});
        rightByoyomiOptions[i] = place(new QRadioButton(rightByoyomiGroup), "optI2(" + n + ")",
                                       {optionLeft[i], 240, 255, 375});
        // Side 2's labels are numbered backwards, 5 under 10 seconds to 3 under 60.
        byoyomiCaptions[i] = makeLabel(
            leftByoyomiGroup,
            {"Label18", kByoyomiCaptions[i], kDefaultFont, L, {frame2LabelLeft[i], 600, 495, 255}});
        byoyomiCaptions[5 - i] = makeLabel(
            rightByoyomiGroup,
            {"Label18", kByoyomiCaptions[i], kDefaultFont, L, {frame3LabelLeft[i], 600, 495, 255}});
    }
    for (std::size_t i = 0; i < byoyomiCaptions.size(); ++i)
        byoyomiCaptions[i]->setObjectName(QStringLiteral("Label18(%1)").arg(i));
    leftByoyomiOptions[1]->setChecked(true);
    rightByoyomiOptions[1]->setChecked(true);
}

void SettingsDialog::buildButtons() {
    for (const Button& row : kButtons) {
        QPushButton* button =
            place(new QPushButton(QString::fromUtf8(row.caption), this), row.name, row.rect);
        button->setFont(fontFor(row.font));
        button->setAutoDefault(false); // Enter must not start a game by accident
        this->*row.member = button;
    }
    connect(startButton, &QPushButton::clicked, this, &SettingsDialog::start);
    connect(drawInsteadButton, &QPushButton::clicked, this, &SettingsDialog::settleAsDraw);
    connect(leftTossButton, &QPushButton::clicked, this, [this] { toss(Side::Left); });
    connect(rightTossButton, &QPushButton::clicked, this, [this] { toss(Side::Right); });
}

void SettingsDialog::buildTimeControls() {
    modeBox = place(new QComboBox(this), "cboMode", {7320, 120, 1815, 300});
    modeBox->setFont(fontFor(kGothic9));
    for (const char* name : kModeNames)
        modeBox->addItem(QString::fromUtf8(name));
    connect(modeBox, &QComboBox::currentIndexChanged, this, &SettingsDialog::showMode);
    const std::array<const std::array<QRadioButton*, 3>*, 2> options = {&leftByoyomiOptions,
                                                                        &rightByoyomiOptions};
    for (std::size_t side = 0; side < 2; ++side) {
        QSpinBox* box =
            secondsBox(this, side == 0 ? "txtB1" : "txtB2", {7680, 960 + 420 * int(side), 735, 375},
                       GameSettings::kShortestByoyomi, GameSettings::kLongestByoyomi);
        const std::array<QRadioButton*, 3>& sideOptions = *options[side];
        for (std::size_t i = 0; i < sideOptions.size(); ++i) {
            connect(sideOptions[i], &QRadioButton::toggled, box, [box, i](bool checked) {
                if (checked)
                    box->setValue(kByoyomiSeconds[i]);
            });
        }
        connect(box, &QSpinBox::valueChanged, this,
                [&sideOptions](int seconds) { showLengthOption(sideOptions, seconds); });
        byoyomiLengthBoxes[side] = box;
    }
    incrementBox = secondsBox(this, "txtIncrement", {8640, 1860, 735, 375}, 1,
                              GameSettings::kLargestIncrement);
    presets = place(new PresetPanel(
                        stored_, [this] { return settings(); }, services_.messageBoxes, this),
                    "presets", {6600, 2340, 3720, 2235});
    connect(presets, &PresetPanel::chosen, this, &SettingsDialog::fill);
    showMode();
}

// What a mode lacks is greyed: byoyomi and consideration minutes without byoyomi, the
// increment but under Fischer.
void SettingsDialog::showMode() {
    const auto control = TimeControl(modeBox->currentIndex());
    const bool byoyomi = control == TimeControl::Byoyomi;
    for (QWidget* field : std::initializer_list<QWidget*>{
             leftConsiderationEdit, rightConsiderationEdit, leftByoyomiGroup, rightByoyomiGroup,
             byoyomiLengthBoxes[0], byoyomiLengthBoxes[1]})
        field->setEnabled(byoyomi);
    incrementBox->setEnabled(control == TimeControl::Fischer);
}

// The designed heights: the settings command's window ends above the draw button, a
// replay's shows it whole.
void SettingsDialog::offerDraw(bool offered) {
    setOuterHeight(this, offered ? kReplayHeightTwips : kHeightTwips);
    drawInsteadButton->setVisible(offered);
}

void SettingsDialog::setTabOrder(const std::vector<QWidget*>& order) {
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void SettingsDialog::fillNameBoxes() {
    // Each box shows its own player's line and lists every other line, in file order.
    const QStringList lines = readPlayersFile();
    const auto fill = [&lines](QComboBox* box, qsizetype own) {
        const QString shown = own < lines.size() ? lines[own] : box->currentText();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i != own)
                box->addItem(lines[i]);
        }
        box->setEditText(shown); // adding the first item would have replaced it
    };
    fill(leftNameBox, 0);
    fill(rightNameBox, 1);
}

void SettingsDialog::start() {
    const bool picturesRead = std::holds_alternative<PiecePictures>(PiecePictures::read());
    const std::optional<SettingsField> bad =
        picturesRead ? game_.startGame(settings()) : std::optional<SettingsField>();
    if (picturesRead && !bad) {
        accept(); // hidden, and kept for the next game
        stored_.game = settings();
        if (!saveGameSettings(stored_))
            std::fprintf(stderr, "shogi-clock: %s: the game's settings could not be kept\n",
                         qPrintable(settingsFilePath()));
        return;
    }
    tellBadNumber(services_.messageBoxes, this);
    if (bad)
        (this->*kNumberFields[std::size_t(*bad)].member)->setFocus();
}

GameSettings SettingsDialog::settings() const {
    GameSettings settings;
    settings.senteSide = leftFirstOption->isChecked() ? Side::Left : Side::Right;
    settings.control = TimeControl(modeBox->currentIndex());
    settings.increment = incrementBox->value();
    for (const Side side : kBothSides) {
        const SideFields fields = fieldsOf(side);
        settings.players[indexOf(side)] = {fields.name->currentText(), fields.hours->text(),
                                           fields.minutes->text(), fields.consideration->text(),
                                           fields.byoyomiLength->value()};
    }
    return settings;
}

void SettingsDialog::fill(const GameSettings& settings) {
    modeBox->setCurrentIndex(int(settings.control));
    incrementBox->setValue(settings.increment);
    for (const Side side : kBothSides) {
        const SideFields fields = fieldsOf(side);
        const GameSettings::Player& player = settings.players[indexOf(side)];
        fields.hours->setText(player.hours);
        fields.minutes->setText(player.minutes);
        fields.consideration->setText(player.consideration);
        fields.byoyomiLength->setValue(player.byoyomiLength);
        // setValue() is silent when the box already holds the value.
        showLengthOption(side == Side::Left ? leftByoyomiOptions : rightByoyomiOptions,
                         player.byoyomiLength);
    }
}

SettingsDialog::SideFields SettingsDialog::fieldsOf(Side side) const {
    if (side == Side::Left)
        return {leftNameBox, leftHoursEdit, leftMinutesEdit, leftConsiderationEdit,
                byoyomiLengthBoxes[0]};
    return {rightNameBox, rightHoursEdit, rightMinutesEdit, rightConsiderationEdit,
            byoyomiLengthBoxes[1]};
}

void SettingsDialog::selectFirstPlayer(Side side) {
    (side == Side::Left ? leftFirstOption : rightFirstOption)->setChecked(true);
}

// Settles the interrupted game as a draw instead of replaying it.
void SettingsDialog::settleAsDraw() {
    hide();
    game_.endGame(Outcome::Draw);
}

void SettingsDialog::toss(Side tosser) {
    TossDialog dialog(tosser, services_.random, this);
    connect(&dialog, &TossDialog::firstPlayerDecided, this, &SettingsDialog::selectFirstPlayer);
    dialog.exec();
}
