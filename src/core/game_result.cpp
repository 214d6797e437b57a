#include "core/game_result.h"

#include <QStringList>

namespace {

const QString kDrawText = QStringLiteral("引き分け");
constexpr int kRuleLength = 34;

} // namespace

QString GameResult::role(Side side) const {
    return roleName(side == senteSide);
}

QString GameResult::winner() const {
    const bool senteWon = outcome == Outcome::SenteWins;
    const Side side = senteWon ? senteSide : opposite(senteSide);
    return roleName(senteWon) + u' ' + players[indexOf(side)].name;
}

QString GameResult::message() const {
    const QString moves = QString::number(movesPlayed) + QStringLiteral("手にて");
    switch (outcome) {
    case Outcome::SenteWins:
    case Outcome::GoteWins:
        return moves + winner() + QStringLiteral("の勝ちです。");
    case Outcome::Draw:
        return moves + u' ' + kDrawText + QStringLiteral("です。");
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
        const QString reason = timedOut   ? QStringLiteral("(時間切れ)")
                               : resigned ? QStringLiteral("(投了)")
                                          : QString();
        return winner() + QStringLiteral("の勝ち") + reason;
    }
    case Outcome::Draw:
        return kDrawText;
    case Outcome::None:
        break;
    }
    return {};
}

QString GameResult::summary(const QString& today) const {
    const auto remaining = [this](Side side) {
        const Player& player = players[indexOf(side)];
        return QStringLiteral("残り時間　") + player.name + u' ' + player.mainTime.toText() +
               QStringLiteral("(+") + player.considerationLeft.toText() + u')';
    };
    const auto named = [this](Side side) {
        return players[indexOf(side)].name + u'(' + role(side) + u')';
    };
    const QStringList lines = {
        QStringLiteral("対局日") + today,
        named(Side::Left) + QStringLiteral("VS") + named(Side::Right),
        QString::number(movesPlayed) + QStringLiteral("手にて") + sentence(),
        remaining(Side::Left),
        remaining(Side::Right),
        QStringLiteral("TOTAL時間 ") + totalTime.toText(),
        QString(kRuleLength, u'-'),
    };
    return lines.join(QStringLiteral("\r\n"));
}
