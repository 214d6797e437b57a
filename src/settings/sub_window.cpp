#include "settings/sub_window.h"

#include "clock/main_window.h"
#include "clock/players_file.h"
#include "furigoma/furigoma_window.h"
#include "platform/app_info.h"
#include "platform/key_preview.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/number_text.h"
#include "platform/ui_timer.h"
#include "result/result_codes.h"
#include "settings/settings_dialog.h"
#include "voice/sound_player.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr Qt::Alignment L = Qt::AlignLeft;
constexpr Qt::Alignment C = Qt::AlignHCenter;
constexpr Qt::Alignment R = Qt::AlignRight;
constexpr FontSpec kGothic9{Face::MsGothic, 9, false};
constexpr FontSpec kPGothic1125{Face::MsPGothic, 11.25, false};
constexpr TwipsRect kClientArea{0, 0, 6465, 5580};

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
};

// The number fields: where they are, the largest value their range check lets stand and the
// text it puts back instead of a value out of range.
struct NumberField {
    QLineEdit* frmSub::*member;
    const char* name;
    const char* text;
    TwipsRect rect;
    double maximum;
    const char* reset;
};

const NumberField kNumberFields[] = {
    {&frmSub::txtT11, "txtT11", "0", {120, 1200, 345, 375}, 23, "0"},
    {&frmSub::txtT12, "txtT12", "15", {1320, 1200, 375, 375}, 59, "0"},
    {&frmSub::txtT21, "txtT21", "0", {4200, 1200, 345, 375}, 23, "0"},
    {&frmSub::txtT22, "txtT22", "15", {5400, 1200, 375, 375}, 59, "0"},
    {&frmSub::txtK1, "txtK1", "10", {1320, 1800, 495, 375}, 10, "10"},
    {&frmSub::txtK2, "txtK2", "10", {5520, 1800, 495, 375}, 10, "10"},
};

struct Button {
    QPushButton* frmSub::*member;
    const char* name;
    const char* caption;
    FontSpec font;
    TwipsRect rect;
};

const Button kButtons[] = {
    {&frmSub::cmdFg1, "cmdFg1", "振り駒", {Face::MsPGothic, 12, false}, {360, 3840, 1335, 735}},
    {&frmSub::cmdOK, "cmdOK", "対局開始", {Face::MsPGothic, 15.75, false}, {2280, 3840, 1935, 735}},
    {&frmSub::cmdFg2, "cmdFg2", "振り駒", {Face::MsPGothic, 12, false}, {4800, 3840, 1335, 735}},
    {&frmSub::cmdHikiwake, "cmdHikiwake", "やっぱり引き分けにする", kDefaultFont, {3960, 4920, 2175, 495}},
};

const char* const kByoyomiCaptions[] = {"１０秒", "３０秒", "６０秒"};
constexpr int kByoyomiSeconds[] = {10, 30, 60};
// clang-format on

template <typename W> W* place(W* widget, const char* name, const TwipsRect& rect) {
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(rect.toPixels());
    return widget;
}

// The byoyomi length of the selected option, or nothing when none is selected.
std::optional<int> selectedSeconds(const std::array<QRadioButton*, 3>& options) {
    std::optional<int> seconds;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i]->isChecked())
            seconds = kByoyomiSeconds[i];
    }
    return seconds;
}

} // namespace

frmSub::frmSub(frmMain& main, SettingsDialog& module)
    : ReusableDialog(&main, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                Qt::MSWindowsFixedSizeDialogHint)
    , main_(main)
    , module_(module) {
    setWindowTitle(QStringLiteral("対局設定"));
    setFixedSize(kClientArea.toPixels().size());
    buildLayout();
    new KeyPreview(this, [this](QKeyEvent* event) {
        if (event->key() == Qt::Key_F1)
            unload();
        // No button answers Enter or Esc: Enter is side 2's move key. In a name box Enter
        // would put the first listed name in place of the shown one.
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const QWidget* focus = focusWidget();
        const bool inNameBox = focus && (cboT1->isAncestorOf(focus) || cboT2->isAncestorOf(focus));
        return event->key() == Qt::Key_F1 || event->key() == Qt::Key_Escape || (enter && inNameBox);
    });
    Form_Load();
}

void frmSub::buildLayout() {
    for (const LabelSpec& spec : kLabels)
        makeLabel(this, spec);
    for (const char* name : {"Label14", "Label16"})
        findChild<Label*>(name)->setWordWrap(true);

    cboT1 = place(new QComboBox(this), "cboT1", {120, 480, 1815, 300});
    cboT2 = place(new QComboBox(this), "cboT2", {4560, 480, 1815, 300});
    for (QComboBox* box : {cboT1, cboT2}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setFont(fontFor(kGothic9));
    }
    cboT1->setEditText(QString::fromUtf8(kSampleName1));
    cboT2->setEditText(QString::fromUtf8(kSampleName2));
    buildNumberFields();
    buildOptions();
    buildButtons();
    // The designed tab order; labels and frames hold places in it but take no focus.
    setTabOrder({cboT1,    cboT2,    txtT11,   txtT12,   txtT21,   txtT22,     optTb2,
                 optTb1,   cmdOK,    cmdFg1,   cmdFg2,   txtK1,    txtK2,      optI1[0],
                 optI1[1], optI1[2], optI2[2], optI2[1], optI2[0], cmdHikiwake});
}

void frmSub::buildNumberFields() {
    for (const NumberField& field : kNumberFields) {
        QLineEdit* edit = place(new QLineEdit(this), field.name, field.rect);
        edit->setFont(fontFor(kPGothic1125));
        edit->setText(QString::fromUtf8(field.text));
        // A value out of range is put back at once; text that is not a number stays, for
        // the start button to report.
        connect(edit, &QLineEdit::textChanged, this, [edit, field](const QString& text) {
            const auto value = toDouble(text);
            if (value && (*value < 0 || *value > field.maximum))
                edit->setText(QString::fromUtf8(field.reset));
        });
        this->*field.member = edit;
    }
}

void frmSub::buildOptions() {
    Frame1 = place(new QGroupBox(this), "Frame1", {2520, 120, 1335, 615});
    Frame1->setFont(fontFor(kGothic9));
    optTb1 = place(new QRadioButton(Frame1), "optTb1", {120, 240, 255, 255});
    makeLabel(Frame1, {"Label13", "先手", kDefaultFont, C, {360, 240, 615, 255}});
    optTb2 = place(new QRadioButton(Frame1), "optTb2", {960, 240, 255, 255});
    optTb1->setChecked(true);

    Frame2 = place(new QGroupBox(QStringLiteral("一手"), this), "Frame2", {120, 2520, 2415, 975});
    Frame3 = place(new QGroupBox(QStringLiteral("一手"), this), "Frame3", {3960, 2520, 2415, 975});
    const int optionLeft[] = {240, 1080, 1920};
    const int frame2LabelLeft[] = {120, 840, 1800};
    const int frame3LabelLeft[] = {120, 960, 1800};
    for (int i = 0; i < 3; ++i) {
        const QByteArray n = QByteArray::number(i);
        optI1[i] =
            place(new QRadioButton(Frame2), "optI1(" + n + ")", {optionLeft[i], 240, 255, 375});
        optI2[i] =
            place(new QRadioButton(Frame3), "optI2(" + n + ")", {optionLeft[i], 240, 255, 375});
        // Side 2's labels are numbered backwards, 5 under 10 seconds to 3 under 60.
        Label18[i] = makeLabel(
            Frame2,
            {"Label18", kByoyomiCaptions[i], kDefaultFont, L, {frame2LabelLeft[i], 600, 495, 255}});
        Label18[5 - i] = makeLabel(
            Frame3,
            {"Label18", kByoyomiCaptions[i], kDefaultFont, L, {frame3LabelLeft[i], 600, 495, 255}});
    }
    for (std::size_t i = 0; i < Label18.size(); ++i)
        Label18[i]->setObjectName(QStringLiteral("Label18(%1)").arg(i));
    optI1[1]->setChecked(true);
    optI2[1]->setChecked(true);
}

void frmSub::buildButtons() {
    for (const Button& row : kButtons) {
        QPushButton* button =
            place(new QPushButton(QString::fromUtf8(row.caption), this), row.name, row.rect);
        button->setFont(fontFor(row.font));
        button->setAutoDefault(false); // Enter must not start a game by accident
        this->*row.member = button;
    }
    connect(cmdOK, &QPushButton::clicked, this, &frmSub::cmdOK_Click);
    connect(cmdHikiwake, &QPushButton::clicked, this, &frmSub::cmdHikiwake_Click);
    connect(cmdFg1, &QPushButton::clicked, this, [this] { cmdFg_Click(true); });
    connect(cmdFg2, &QPushButton::clicked, this, [this] { cmdFg_Click(false); });
}

// The draw button takes the focus only while the window shows it: out of view, Tab and
// Space would record a draw nobody saw offered.
void frmSub::resizeEvent(QResizeEvent* event) {
    ReusableDialog::resizeEvent(event);
    const bool inView = rect().contains(cmdHikiwake->geometry());
    cmdHikiwake->setFocusPolicy(inView ? Qt::StrongFocus : Qt::NoFocus);
    if (!inView)
        cmdHikiwake->clearFocus();
}

void frmSub::setTabOrder(const std::vector<QWidget*>& order) {
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void frmSub::Form_Load() {
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
    fill(cboT1, 0);
    fill(cboT2, 1);
}

void frmSub::cmdOK_Click() {
    if (startGame())
        return;
    main_.platform.messageBoxes.ask(this, {QStringLiteral("ちゃんとした数値を入力して下さい！"),
                                           QString::fromUtf8(app_info::kTitle)});
}

// Puts the settings on the clock and starts it. Every field is checked before anything is
// applied: a failed start must leave a paused game exactly as it was.
bool frmSub::startGame() {
    frmMain& m = main_;
    const auto mainTime = [](QLineEdit* hours, QLineEdit* minutes) -> std::optional<ClockTime> {
        const auto h = toInteger16(hours->text());
        const auto mins = toInteger16(minutes->text());
        if (!h || !mins)
            return std::nullopt;
        return ClockTime::fromHms(*h, *mins, 0);
    };
    const auto t1 = mainTime(txtT11, txtT12);
    const auto t2 = mainTime(txtT21, txtT22);
    const auto k1 = toDecimal(txtK1->text());
    const auto k2 = toDecimal(txtK2->text());
    const bool side1Sente = optTb1->isChecked();
    if (!t1 || !t2 || !k1 || !k2 || !m.showPieces(side1Sente).isEmpty())
        return false;

    const auto name = [](QComboBox* box) {
        return withoutControlCharacters(box->currentText()).trimmed();
    };
    m.Lblna1->setText(name(cboT1));
    m.Lblna2->setText(name(cboT2));
    m.Lblteban1->setText(side1Sente ? QStringLiteral("先手") : QStringLiteral("後手"));
    m.Lblteban2->setText(side1Sente ? QStringLiteral("後手") : QStringLiteral("先手"));
    m.tb = m.tbs = side1Sente;
    m.t1 = *t1;
    m.Lblt1->setText(m.t1.toText());
    m.t2 = *t2;
    m.Lblt2->setText(m.t2.toText());
    m.k1 = m.k1s = *k1;
    m.Lblk1->setText(k1->toText());
    m.k2 = m.k2s = *k2;
    m.Lblk2->setText(k2->toText());

    m.t11 = 0;
    m.Lblt11->setText(QStringLiteral("0"));
    if (const auto seconds = selectedSeconds(optI1))
        m.tbs11 = *seconds;
    m.Lblt11S->setText(QString::number(m.tbs11));
    m.ts11 = m.tbs11.value();
    m.t12 = 0;
    m.Lblt12->setText(QStringLiteral("0"));
    if (const auto seconds = selectedSeconds(optI2))
        m.tbs12 = *seconds;
    m.Lblt12S->setText(QString::number(m.tbs12));
    m.ts12 = m.tbs12.value();
    m.tm1 = m.tm2 = false;
    m.c1 = 0;
    m.Lblteme->setText(QStringLiteral("1手目"));
    // Sente moves first: a turn label left at 後手番 by the last game would mislead.
    m.Lblteban3->setText(QStringLiteral("先手番"));
    m.TT1 = ClockTime();
    m.lblTT1->setText(m.TT1.toText());

    m.mnuKaisi->setEnabled(true);
    m.mnuKaisi->setText(QStringLiteral("対局中断(P)"));
    m.mnuTouryou->setEnabled(true);
    m.mnuSenniti->setEnabled(true);
    m.mnuHenkou->setEnabled(false);
    m.Timer1->setEnabled(true);
    m.Label4->setText(QStringLiteral("P：対局中断"));
    m.Text1->setEnabled(false);
    m.cmd1->setEnabled(false);
    m.Jg = false;
    m.Tr = false;
    m.Kekka = QString();
    m.Yomiage(clipPath("Yoroone.wav"));
    accept(); // hidden, and kept for the next game
    return true;
}

// Settles the interrupted game as a draw instead of replaying it.
void frmSub::cmdHikiwake_Click() {
    main_.Kekka = kDraw;
    hide();
    main_.owari();
}

void frmSub::cmdFg_Click(bool side1) {
    module_.Fg = side1;
    frmFurigoma toss(main_);
    toss.exec();
}
