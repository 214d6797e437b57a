#include "clock/main_window.h"

#include "about/about_window.h"
#include "clock/players_file.h"
#include "platform/alt_key_guard.h"
#include "platform/app_icon.h"
#include "platform/app_info.h"
#include "platform/audio_device.h"
#include "platform/drawing.h"
#include "platform/key_preview.h"
#include "platform/label.h"
#include "platform/message_box.h"
#include "platform/number_text.h"
#include "platform/ui_timer.h"
#include "platform/window_geometry.h"
#include "play/pause_window.h"
#include "voice/move_count_reader.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr unsigned kBackColor = 0xB1FFFF;
constexpr unsigned kSenteTextColor = 0xFFFFC0; // light cyan, on the sente picture
constexpr unsigned kGoteTextColor = 0x800000;  // navy, on the gote picture
constexpr const char* kSentePicture = "bmp/Skoma.bmp";
constexpr const char* kGotePicture = "bmp/Gkoma.bmp";
constexpr int kClientWidthTwips = 14280;
constexpr int kOuterHeightTwips = 8630;

constexpr Qt::Alignment L = Qt::AlignLeft;
constexpr Qt::Alignment C = Qt::AlignHCenter;
constexpr Qt::Alignment R = Qt::AlignRight;
constexpr FontSpec kPMincho36B{Face::MsPMincho, 36, true};
constexpr FontSpec kPMincho48B{Face::MsPMincho, 48, true};
constexpr FontSpec kConsolas72{Face::Consolas, 72, false};
constexpr FontSpec kConsolas90{Face::Consolas, 90, false};
constexpr FontSpec kConsolas2775{Face::Consolas, 27.75, false};
constexpr FontSpec kPGothic24{Face::MsPGothic, 24, false};
constexpr FontSpec kPGothic2775{Face::MsPGothic, 27.75, false};
constexpr FontSpec kPGothic36{Face::MsPGothic, 36, false};
constexpr FontSpec kPGothic2625{Face::MsPGothic, 26.25, false};

enum class Parent { Face, Picture1, Picture2 };

struct FaceLabel {
    Label* frmMain::*member;
    Parent parent;
    LabelSpec spec;
};

// clang-format off
const FaceLabel kLabels[] = {
    {&frmMain::Lblteban1, Parent::Face, {"Lblteban1", "先手", kPMincho36B, L, {360, 0, 1935, 735}}},
    {&frmMain::Label2, Parent::Face, {"Label2", "(Space Key)", kPGothic24, L, {2640, 120, 3135, 495}}},
    {&frmMain::Label4, Parent::Face, {"Label4", "", {Face::MsPGothic, 20.25, false}, C, {5640, 0, 3255, 495}}},
    {&frmMain::Label3, Parent::Face, {"Label3", "(Enter Key)", kPGothic24, R, {9240, 120, 2895, 495}}},
    {&frmMain::Lblteban2, Parent::Face, {"Lblteban2", "後手", kPMincho36B, R, {12240, 0, 1695, 735}}},
    {&frmMain::Lblna1, Parent::Face, {"Lblna1", kSampleName1, kPMincho48B, L, {360, 720, 5655, 975}}},
    {&frmMain::Lblvs, Parent::Face, {"Lblvs", "VS", kPMincho48B, L, {6600, 960, 1215, 975}}},
    {&frmMain::Lblna2, Parent::Face, {"Lblna2", kSampleName2, kPMincho48B, R, {8400, 720, 5535, 975}}},
    {&frmMain::Lblt1, Parent::Face, {"Lblt1", "0:15:00", kConsolas72, R, {120, 1680, 5580, 1395}}},
    {&frmMain::Lblt2, Parent::Face, {"Lblt2", "0:15:00", kConsolas72, R, {8280, 1680, 5580, 1395}}},
    {&frmMain::Lblteban3, Parent::Face, {"Lblteban3", "先手番", {Face::MsPMincho, 21.75, true}, C, {6360, 2520, 1575, 495}}},
    {&frmMain::Lblteme, Parent::Face, {"Lblteme", "1手目", {Face::MsPMincho, 20.25, true}, C, {6360, 3360, 1575, 495}}},
    {&frmMain::Label1, Parent::Face, {"Label1", "TOTAL", {Face::Consolas, 15.75, true}, C, {6600, 4020, 975, 375}}},
    {&frmMain::lblTT1, Parent::Face, {"lblTT1", "0:00:00", {Face::Consolas, 20.25, true}, C, {6360, 4440, 1575, 375}}},
    {&frmMain::Lblk1, Parent::Picture1, {"Lblk1", "10", kConsolas90, R, {120, 360, 2010, 1995}}},
    {&frmMain::LblH1, Parent::Picture1, {"LblH1", "分", kPGothic36, L, {2280, 1320, 720, 840}}},
    {&frmMain::LblN1, Parent::Picture1, {"LblN1", "残り時間", kPGothic2775, C, {120, 2400, 2805, 675}}},
    {&frmMain::Lblk2, Parent::Picture2, {"Lblk2", "10", kConsolas90, R, {120, 480, 2010, 1995}}},
    {&frmMain::LblH2, Parent::Picture2, {"LblH2", "分", kPGothic36, L, {2280, 1320, 720, 855}}},
    {&frmMain::LblN2, Parent::Picture2, {"LblN2", "残り時間", kPGothic2775, C, {120, 2400, 2805, 675}}},
    {&frmMain::Lblt11, Parent::Face, {"Lblt11", "0", kConsolas90, R, {1200, 6000, 3015, 1815}}},
    {&frmMain::LblB1, Parent::Face, {"LblB1", "秒", kPGothic36, C, {4320, 6960, 975, 855}}},
    {&frmMain::LblItte1, Parent::Face, {"LblItte1", "一手", kPGothic2775, L, {6600, 6360, 1215, 615}}},
    {&frmMain::Lblt11S, Parent::Face, {"Lblt11S", "30", kConsolas2775, L, {5640, 7080, 855, 615}}},
    {&frmMain::LblB11, Parent::Face, {"LblB11", "秒", kPGothic2625, C, {6360, 7155, 615, 615}}},
    {&frmMain::Lblt12S, Parent::Face, {"Lblt12S", "30", kConsolas2775, L, {7560, 7080, 735, 615}}},
    {&frmMain::LblB12, Parent::Face, {"LblB12", "秒", kPGothic2625, C, {8280, 7160, 615, 615}}},
    {&frmMain::Lblt12, Parent::Face, {"Lblt12", "0", kConsolas90, R, {9360, 6000, 3015, 1815}}},
    {&frmMain::LblB2, Parent::Face, {"LblB2", "秒", kPGothic36, C, {12480, 6960, 975, 855}}},
};

const std::vector<LineSpec> kLines = {
    {"Line5", 6720, 1920, 7680, 1920, 1, bgrColor(kBackColor)},
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

// A FIFO or a device in place of a picture would block the read for good.
QPixmap readPicture(const QString& path) {
    return QFileInfo(path).isFile() ? QPixmap(path) : QPixmap();
}

struct MenuItem {
    QAction* frmMain::*member;
    const char* name;
    const char* caption;
    bool enabled;
    bool visible;
    QKeySequence shortcut;
};

} // namespace

frmMain::frmMain(Platform& platform)
    : platform(platform)
    , settings(*this)
    , pauseWindow([this] { return std::make_unique<frmTyuudan>(*this); })
    , sound(platform.mmctl) {
    setWindowTitle(QStringLiteral("バンクロ７"));
    setWindowIcon(appIcon());
    buildFace();
    buildMenus();
    Timer1 = new UiTimer(this, false, 1000);
    Timer2 = new UiTimer(this, false, 0);
    Timer1->followSecondsOf(&platform.wallClock);
    connect(Timer1, &UiTimer::timer, this, &frmMain::Timer1_Timer);
    connect(Timer2, &UiTimer::timer, this, &frmMain::Timer2_Timer);
    new KeyPreview(this, [this](QKeyEvent* event) { return previewKey(event); });
    // While a game is on, the settings command is off.
    new AltKeyGuard(this, [this] { return !mnuHenkou->isEnabled(); });
}

frmMain::~frmMain() = default;

void frmMain::buildFace() {
    face = new DrawnBackground(this, kLines, kFrames);
    face->setObjectName(QStringLiteral("face"));
    face->setAutoFillBackground(true);
    // The face sets every colour it shows: a dark desktop theme's light text would vanish on
    // its fixed light background.
    QPalette palette = face->palette();
    palette.setColor(QPalette::Window, bgrColor(kBackColor));
    palette.setColor(QPalette::WindowText, Qt::black);
    face->setPalette(palette);
    setCentralWidget(face);
    setFixedWidth(px(kClientWidthTwips));

    Picture1 = new QLabel(face);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsRect{1680, 3120, 3015, 3135}.toPixels());
    Picture2 = new QLabel(face);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(TwipsRect{9840, 3120, 3015, 3135}.toPixels());

    for (const FaceLabel& row : kLabels) {
        QWidget* parent = face;
        if (row.parent != Parent::Face)
            parent = row.parent == Parent::Picture1 ? Picture1 : Picture2;
        this->*row.member = makeLabel(parent, row.spec);
    }

    cmd1 = new QPushButton(QStringLiteral("手にて"), face);
    cmd1->setObjectName(QStringLiteral("cmd1"));
    cmd1->setGeometry(TwipsRect{11280, 9000, 1215, 375}.toPixels());
    Text1 = new QLineEdit(face);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(3);
    Text1->setFont(fontFor({Face::MsPGothic, 12, false}));
    Text1->setGeometry(TwipsRect{10560, 9000, 615, 375}.toPixels());
    // Below the visible area: keys must not reach them unseen (Space would click cmd1).
    cmd1->setFocusPolicy(Qt::NoFocus);
    Text1->setFocusPolicy(Qt::NoFocus);
    connect(cmd1, &QPushButton::clicked, this, &frmMain::cmd1_Click);
}

void frmMain::buildMenus() {
    // Captions stand as written: "(S)" and "(P)" are text, not access keys.
    const MenuItem game[] = {
        {&frmMain::mnuHenkou, "mnuHenkou", "対局設定(S)", true, true, {}},
        {&frmMain::mnuKaisi, "mnuKaisi", "対局中断(P)", false, true, {}},
        {&frmMain::mnuTouryou, "mnuTouryou", "投了", false, false, QKeySequence(Qt::Key_F4)},
        {&frmMain::mnuSenniti, "mnuSenniti", "千日手", false, false, QKeySequence(Qt::Key_F5)},
        {&frmMain::mnuSps2, "mnuSps2", nullptr, true, true, {}},
        {&frmMain::syuryou, "syuryou", "終了", true, true, {}},
    };
    const MenuItem help[] = {
        {&frmMain::mnuVer, "mnuVer", "バージョン情報", true, true, {}},
    };
    // A hidden entry belongs to the window rather than the menu: it never appears, keeps its
    // own enabled state, and its shortcut works while it is enabled.
    const auto fill = [this](QMenu* menu, const auto& items) {
        for (const MenuItem& item : items) {
            const QString caption = QString::fromUtf8(item.caption ? item.caption : "");
            QAction* action = !item.caption  ? menu->addSeparator()
                              : item.visible ? menu->addAction(caption)
                                             : new QAction(caption, this);
            if (!item.visible)
                addAction(action);
            action->setObjectName(QString::fromUtf8(item.name));
            action->setEnabled(item.enabled);
            action->setShortcut(item.shortcut);
            this->*item.member = action;
        }
    };
    QMenu* mnuTaikyoku = menuBar()->addMenu(QStringLiteral("対局"));
    mnuTaikyoku->setObjectName(QStringLiteral("mnuTaikyoku"));
    fill(mnuTaikyoku, game);
    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("ヘルプ"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    fill(mnuHelp, help);
    connect(mnuHenkou, &QAction::triggered, this, &frmMain::mnuHenkou_Click);
    connect(mnuKaisi, &QAction::triggered, this, &frmMain::mnuKaisi_Click);
    connect(mnuTouryou, &QAction::triggered, this, &frmMain::mnuTouryou_Click);
    connect(mnuSenniti, &QAction::triggered, this, &frmMain::mnuSenniti_Click);
    connect(syuryou, &QAction::triggered, this, &frmMain::syuryou_Click);
    connect(mnuVer, &QAction::triggered, this, &frmMain::mnuVer_Click);
}

bool frmMain::Form_Load() {
    setOuterHeight(this, kOuterHeightTwips);
    startUp();
    if (const QString failed = showPieces(tbs); !failed.isEmpty()) {
        platform.messageBoxes.ask(
            this, {QStringLiteral("駒の画像ファイル \"%1\" を読み込めません。").arg(failed),
                   QString::fromUtf8(app_info::kTitle), MessageBoxRequest::Buttons::Ok,
                   MessageBoxRequest::Icon::Critical});
        return false;
    }
    Label4->setText(QStringLiteral("S：対局設定"));
    readPlayerNames();
    centreOnScreen(this);
    return true;
}

QString frmMain::showPieces(bool side1Sente) {
    const char* first = side1Sente ? kSentePicture : kGotePicture;
    const char* second = side1Sente ? kGotePicture : kSentePicture;
    // Both are read before either is shown, so that a failure changes nothing.
    const QPixmap firstPicture = readPicture(QString::fromUtf8(first));
    if (firstPicture.isNull())
        return QString::fromUtf8(first);
    const QPixmap secondPicture = readPicture(QString::fromUtf8(second));
    if (secondPicture.isNull())
        return QString::fromUtf8(second);
    const auto show = [](QLabel* box, const QPixmap& picture, std::initializer_list<Label*> labels,
                         unsigned color) {
        box->setPixmap(picture);
        for (Label* label : labels)
            label->setTextColor(bgrColor(color));
    };
    show(Picture1, firstPicture, {Lblk1, LblH1, LblN1},
         side1Sente ? kSenteTextColor : kGoteTextColor);
    show(Picture2, secondPicture, {Lblk2, LblH2, LblN2},
         side1Sente ? kGoteTextColor : kSenteTextColor);
    return {};
}

void frmMain::readPlayerNames() {
    const QStringList names = readPlayersFile();
    if (names.size() > 0)
        Lblna1->setText(names[0]);
    if (names.size() > 1)
        Lblna2->setText(names[1]);
}

bool frmMain::previewKey(QKeyEvent* event) {
    // A key held down must not pass the turn again when the other side has moved meanwhile.
    if (!event->isAutoRepeat())
        Form_KeyPress(characterCode(event));
    return false;
}

void frmMain::mnuVer_Click() {
    frmAbout about(this);
    about.exec();
}

void frmMain::Oshimai() {
    ::Oshimai(sound, c1, Kekka);
}

void frmMain::cmd1_Click() {
    TesuuYomi(sound, toDecimal(Text1->text()));
    Yomiage2(clipPath("Tenite.wav"));
    Yomiage2(clipPath("S-kati.wav"));
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    QMainWindow::closeEvent(event);
}
