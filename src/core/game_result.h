#pragma once

#include "core/clock_time.h"
#include "core/decimal.h"
#include "core/side.h"

#include <QString>
#include <array>

// How a game ended: the winning colour, a draw, or no result yet.
enum class Outcome { None, SenteWins, GoteWins, Draw };

// Why a game ended without a result: a repetition draw or another reason to play it again,
// or the program stopped.
enum class Abandonment { RepetitionDraw, Replay, Stopped };

// A finished game as the end message, the result window and the result file tell it.
struct GameResult {
    struct Player {
        QString name;
        ClockTime mainTime;
        Decimal considerationLeft;
    };

    Outcome outcome = Outcome::None;
    bool resigned = false;
    bool timedOut = false;
    int movesPlayed = 0;
    Side senteSide = Side::Left;
    std::array<Player, 2> players; // by indexOf(Side)
    ClockTime totalTime;

    // The end message, such as "97手にて先手 NAMEの勝ちです。"; empty without a result.
    QString message() const;
    // The result sentence, such as "先手 NAMEの勝ち(投了)"; empty without a result.
    QString sentence() const;
    // Seven lines joined by CR LF, the last one without a line end.
    QString summary(const QString& today) const;

private:
    // The colour word, one space and the winner's name.
    QString winner() const;
    QString role(Side side) const;
};
