#pragma once

#include <QString>

// Result codes name the winning colour: "SK" sente wins, "GK" gote wins, "HW" a draw.
inline const QString kSenteWins = QStringLiteral("SK");
inline const QString kGoteWins = QStringLiteral("GK");
inline const QString kDraw = QStringLiteral("HW");

// The code when the side to move loses, on time or by resigning: the other colour wins.
// tb is true while side 1 is to move; side1Sente while side 1 plays sente.
inline QString lossOfSideToMove(bool tb, bool side1Sente) {
    return tb == side1Sente ? kGoteWins : kSenteWins;
}
