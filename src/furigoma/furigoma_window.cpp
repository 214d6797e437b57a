#include "furigoma/furigoma_window.h"

#include "clock/main_window.h"
#include "furigoma/piece_frames.h"
#include "platform/label.h"
#include "platform/random_source.h"
#include "platform/ui_timer.h"
#include "settings/sub_window.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kPieceLefts[] = {240, 1080, 1920};

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption,
                        const TwipsRect& rect) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(rect.toPixels());
    return button;
}

} // namespace

frmFurigoma::frmFurigoma(frmMain& main)
    : QDialog(&main.settings.form(), Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                         Qt::MSWindowsFixedSizeDialogHint)
    , main_(main) {
    setWindowTitle(QStringLiteral("振駒"));
    setFixedSize(TwipsRect{0, 0, 2790, 2385}.toPixels().size());
    buildLayout();
    tmrAni = new UiTimer(this, false, 50);
    tmrStop = new UiTimer(this, false, 3000);
    connect(tmrAni, &UiTimer::timer, this, &frmFurigoma::tmrAni_Timer);
    connect(tmrStop, &UiTimer::timer, this, &frmFurigoma::tmrStop_Timer);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdFuru, &QPushButton::clicked, this, &frmFurigoma::cmdFuru_Click);
    Form_Load();
}

void frmFurigoma::buildLayout() {
    lblFk1 = makeLabel(this, {"lblFk1", "", kDefaultFont, Qt::AlignLeft, {360, 120, 2175, 255}});
    lblFk2 = makeLabel(this, {"lblFk2", "", kDefaultFont, Qt::AlignLeft, {360, 480, 2175, 255}});
    const char* const names[] = {"imgK11", "imgK21", "imgK31"};
    for (std::size_t i = 0; i < pieceImages.size(); ++i) {
        pieceImages[i] = new QLabel(this);
        pieceImages[i]->setObjectName(QString::fromUtf8(names[i]));
        pieceImages[i]->setGeometry(TwipsRect{kPieceLefts[i], 840, 615, 855}.toPixels());
    }
    // The frames are drawn once and kept in hidden images, as the pieces copy them.
    for (int i = 0; i < 8; ++i) {
        imgK1[i] = new QLabel(this);
        imgK1[i]->setObjectName(QStringLiteral("imgK1(%1)").arg(i));
        imgK1[i]->setGeometry(TwipsRect{3120 + 600 * i, 840, 615, 855}.toPixels());
        imgK1[i]->setPixmap(pieceFrame(i));
        imgK1[i]->hide();
    }
    cmdOk = makeButton(this, "cmdOk", "キャンセル", {840, 1920, 1095, 375});
    cmdFuru = makeButton(this, "cmdFuru", "駒を振る", {240, 2640, 975, 375});
    setTabOrder(cmdFuru, cmdOk);
    cmdFuru->setFocusPolicy(Qt::NoFocus); // out of view: Space must not toss again unseen
    cmdOk->setAutoDefault(false);
    cmdFuru->setAutoDefault(false);
}

void frmFurigoma::Form_Load() {
    main_.platform.random.seedFromClock();
    for (std::size_t i = 0; i < pieceImages.size(); ++i)
        showFrame(i, 0);
    cmdFuru_Click();
}

void frmFurigoma::cmdFuru_Click() {
    lblFk1->clear();
    lblFk2->clear();
    toss_.start(main_.platform.random);
    tmrAni->setEnabled(true);
}

void frmFurigoma::showFrame(std::size_t piece, int frame) {
    pieceImages[piece]->setPixmap(imgK1[frame]->pixmap());
}

void frmFurigoma::tmrAni_Timer() {
    const bool resting = toss_.step();
    for (std::size_t i = 0; i < pieceImages.size(); ++i)
        showFrame(i, toss_.pieces()[i].frame);
    if (resting)
        finish();
}

void frmFurigoma::finish() {
    tmrAni->setEnabled(false);
    const int promoted = toss_.promotedFaces();
    lblFk1->setText(outcomeLine1(promoted));
    lblFk2->setText(outcomeLine2(promoted));
    // Fg: side 1 tossed. The tosser moves first with pawn faces in the majority.
    const bool side1First = toss_.tosserMovesFirst() == main_.settings.Fg;
    frmSub& settings = main_.settings.form();
    (side1First ? settings.optTb1 : settings.optTb2)->setChecked(true);
    tmrStop->setEnabled(true);
    cmdOk->hide();
}

void frmFurigoma::tmrStop_Timer() {
    tmrStop->setEnabled(false);
    accept();
}
