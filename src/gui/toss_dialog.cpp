#include "gui/toss_dialog.h"

#include "core/random_source.h"
#include "gui/widgets/label.h"
#include "gui/widgets/piece_frames.h"
#include "gui/widgets/ui_timer.h"
#include "gui/widgets/window_geometry.h"

#include <QPushButton>

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

TossDialog::TossDialog(Side tosser, RandomSource& random, QWidget* parent)
    : QDialog(parent, kFixedSizeDialog)
    , tosser_(tosser)
    , random_(random) {
    setWindowTitle(QStringLiteral("振駒"));
    setFixedSize(TwipsRect{0, 0, 2790, 2385}.toPixels().size());
    buildLayout();
    animationTimer = new UiTimer(this, false, 50);
    closeTimer = new UiTimer(this, false, 3000);
    connect(animationTimer, &UiTimer::timeout, this, &TossDialog::animateStep);
    connect(closeTimer, &UiTimer::timeout, this, &TossDialog::closeAfterResult);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(tossAgainButton, &QPushButton::clicked, this, &TossDialog::toss);
    startFresh();
}

void TossDialog::buildLayout() {
    facesLabel =
        makeLabel(this, {"lblFk1", "", kDefaultFont, Qt::AlignLeft, {360, 120, 2175, 255}});
    firstPlayerLabel =
        makeLabel(this, {"lblFk2", "", kDefaultFont, Qt::AlignLeft, {360, 480, 2175, 255}});
    const char* const names[] = {"imgK11", "imgK21", "imgK31"};
    for (std::size_t i = 0; i < pieceImages.size(); ++i) {
        pieceImages[i] = new QLabel(this);
        pieceImages[i]->setObjectName(QString::fromUtf8(names[i]));
        pieceImages[i]->setGeometry(TwipsRect{kPieceLefts[i], 840, 615, 855}.toPixels());
    }
    // The frames are drawn once and kept in hidden images, as the pieces copy them.
    for (int i = 0; i < 8; ++i) {
        frameImages[i] = new QLabel(this);
        frameImages[i]->setObjectName(QStringLiteral("imgK1(%1)").arg(i));
        frameImages[i]->setGeometry(TwipsRect{3120 + 600 * i, 840, 615, 855}.toPixels());
        frameImages[i]->setPixmap(pieceFrame(i));
        frameImages[i]->hide();
    }
    cancelButton = makeButton(this, "cmdOk", "キャンセル", {840, 1920, 1095, 375});
    tossAgainButton = makeButton(this, "cmdFuru", "駒を振る", {240, 2640, 975, 375});
    setTabOrder(tossAgainButton, cancelButton);
    tossAgainButton->setFocusPolicy(Qt::NoFocus); // out of view: Space must not toss again unseen
    cancelButton->setAutoDefault(false);
    tossAgainButton->setAutoDefault(false);
}

void TossDialog::startFresh() {
    random_.seedFromClock();
    for (std::size_t i = 0; i < pieceImages.size(); ++i)
        showFrame(i, 0);
    toss();
}

void TossDialog::toss() {
    facesLabel->clear();
    firstPlayerLabel->clear();
    toss_.start(random_);
    animationTimer->setActive(true);
}

void TossDialog::showFrame(std::size_t piece, int frame) {
    pieceImages[piece]->setPixmap(frameImages[frame]->pixmap());
}

void TossDialog::animateStep() {
    const bool resting = toss_.step();
    for (std::size_t i = 0; i < pieceImages.size(); ++i)
        showFrame(i, toss_.pieces()[i].frame);
    if (resting)
        finish();
}

void TossDialog::finish() {
    animationTimer->setActive(false);
    const int promoted = toss_.promotedFaces();
    facesLabel->setText(outcomeLine1(promoted));
    firstPlayerLabel->setText(outcomeLine2(promoted));
    // The tosser moves first with pawn faces in the majority.
    emit firstPlayerDecided(toss_.tosserMovesFirst() ? tosser_ : opposite(tosser_));
    closeTimer->setActive(true);
    cancelButton->hide();
}

void TossDialog::closeAfterResult() {
    closeTimer->setActive(false);
    accept();
}
