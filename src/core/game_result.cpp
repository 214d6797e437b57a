#include "core/game_result.h"

#include "core/record_words.h"

#include <QStringList>

namespace {

namespace words = record_words;

constexpr int kRuleLength = 34;

} // namespace

QString GameResult::role(Side side) const {
    return words::role(side == senteSide);
}

QString GameResult::winner() const {
    const bool senteWon = outcome == Outcome::SenteWins;
    const Side side = senteWon ? senteSide : opposite(senteSide);
    return words::role(senteWon) + u' ' + players[indexOf(side)].name;
}

QString GameResult::message() const {
    const QString moves = QString::number(movesPlayed) + words::kMovesThrough;
    switch (outcome) {
    case Outcome::SenteWins:
    case Outcome::GoteWins:
        return moves + winner() + QStringLiteral("の勝ちです。");
    case Outcome::Draw:
        return moves + u' ' + words::kDraw + QStringLiteral("です。");
    case Outcome::None:
        break;
    }
    return {};
}

QString GameResult::sentence() const {
    switch (outcome) {
    case Outcome::SenteWins:
    case Outcome::GoteWins: {
        // A time-out awaiting its answer outweighs a resignation.
        const QString reason = timedOut   ? words::kTimedOut
                               : resigned ? words::kResigned
                                          : QString();
        return winner() + words::kWins + reason;
    }
    case Outcome::Draw:
        return words::kDraw;
    case Outcome::None:
        break;
    }
    return {};
}

QString GameResult::summary(const QString& today) const {
    const auto remaining = [this](Side side) {
        const Player& player = players[indexOf(side)];
        return words::kRemaining + player.name + u' ' + player.mainTime.toText() +
               QStringLiteral("(+") + player.considerationLeft.toText() + u')';
    };
    const auto named = [this](Side side) {
        return players[indexOf(side)].name + u'(' + role(side) + u')';
    };
    const QStringList lines = {
        words::kDate + today,
        named(Side::Left) + words::kVersus + named(Side::Right),
        QString::number(movesPlayed) + words::kMovesThrough + sentence(),
        remaining(Side::Left),
        remaining(Side::Right),
        words::kTotal + totalTime.toText(),
        QString(kRuleLength, u'-'),
    };
    return lines.join(QStringLiteral("\r\n"));
}
