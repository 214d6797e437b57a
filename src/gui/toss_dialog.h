#pragma once

#include "core/side.h"
#include "core/toss.h"

#include <QDialog>
#include <array>

class Label;
class QLabel;
class QPushButton;
class RandomSource;
class UiTimer;

// "振駒": three pieces tossed and turning until they rest, the outcome in two lines, and the
// first player handed back; it closes itself three seconds later. Made afresh for each toss,
// which starts by itself.
class TossDialog : public QDialog {
    Q_OBJECT
public:
    TossDialog(Side tosser, RandomSource& random, QWidget* parent);

    Label* facesLabel = nullptr;
    Label* firstPlayerLabel = nullptr;
    std::array<QLabel*, 3> pieceImages{}; // imgK11, imgK21, imgK31
    std::array<QLabel*, 8> frameImages{}; // the frames, hidden
    QPushButton* cancelButton = nullptr;
    QPushButton* tossAgainButton = nullptr;
    UiTimer* animationTimer = nullptr;
    UiTimer* closeTimer = nullptr;

    const Toss& pieces() const { return toss_; }

    void toss();
    void animateStep();
    void closeAfterResult();

signals:
    // As soon as the pieces rest, while the outcome shows.
    void firstPlayerDecided(Side side);

private:
    void buildLayout();
    void startFresh();
    void showFrame(std::size_t piece, int frame);
    void finish();

    const Side tosser_;
    RandomSource& random_;
    Toss toss_;
};
