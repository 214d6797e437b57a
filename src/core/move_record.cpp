#include "core/move_record.h"

#include "core/game_clock.h"
#include "core/record_words.h"
#include "core/wall_clock.h"

#include <QStringList>
#include <cstdio>

namespace {

namespace words = record_words;

bool hasByoyomi(const SideClock& clock) {
    return clock.control == TimeControl::Byoyomi;
}

QString periodUsedText(const SideClock& clock) {
    return clock.mainTime > ClockTime() || !hasByoyomi(clock)
               ? QString()
               : QString::number(clock.periodElapsed);
}

void noteChange(QStringList& changes, const QString& what, const QString& before,
                const QString& after) {
    if (before != after)
        changes << what + u' ' + before + words::kArrow + after;
}

} // namespace

MoveRecord::MoveRecord(const GameClock& game, const WallClock& wallClock, const QString& path,
                       QObject* parent)
    : QObject(parent)
    , game_(game)
    , wallClock_(wallClock)
    , path_(path)
    , appender_(path, (QChar(QChar::ByteOrderMark) + headerRow() + QStringLiteral("\r\n")).toUtf8(),
                [this](const QString& what, const QString& reason) { rowFailed(what, reason); }) {
    connect(&game, &GameClock::gameStarted, this, &MoveRecord::start);
    connect(&game, &GameClock::moveEnded, this, &MoveRecord::moveEnded);
    connect(&game, &GameClock::paused, this, [this] { writeCurrent(words::kPaused); });
    connect(&game, &GameClock::resumed, this, [this] { writeCurrent(words::kResumed); });
    connect(&game, &GameClock::timeOutReached, this, [this] { writeCurrent(words::kTimeOut); });
    connect(&game, &GameClock::gameDecided, this, &MoveRecord::ended);
    connect(&game, &GameClock::abandoned, this, &MoveRecord::abandoned);
    connect(&game, &GameClock::corrected, this, &MoveRecord::recordCorrection);
}

QString MoveRecord::headerRow() {
    return words::kHeader;
}

QString MoveRecord::csvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') &&
        !text.contains(u'\n'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// The date is read on both sides of the time, so a start at midnight can't take the day
// before's date.
QString MoveRecord::startDateTime() const {
    QDate date = wallClock_.today();
    QTime time = wallClock_.timeOfDay();
    if (const QDate after = wallClock_.today(); after != date) {
        date = after;
        time = wallClock_.timeOfDay();
    }
    return date.toString(Qt::ISODate) + u'T' + time.toString(QStringLiteral("HH:mm:ss"));
}

void MoveRecord::start() {
    gameStart_ = startDateTime();
    moveStartedAt_ = game_.totalTime();
    writeCurrent(words::kStarted);
}

void MoveRecord::moveEnded(Side side) {
    const ClockTime used = game_.totalTime() - moveStartedAt_;
    moveStartedAt_ = game_.totalTime();
    write(side, game_.movesPlayed(), used, words::kMoved);
}

// The last row holds the unfinished move, so the moves' seconds add up to the total time.
void MoveRecord::ended() {
    if (game_.resigned())
        writeCurrent(words::kResignation);
    writeCurrent(words::kEnded + game_.result().sentence());
}

void MoveRecord::abandoned(Abandonment why) {
    const QString reason = why == Abandonment::RepetitionDraw ? words::kRepetitionDraw
                           : why == Abandonment::Replay       ? words::kReplay
                                                              : words::kStopped;
    writeCurrent(words::kEnded + reason);
}

void MoveRecord::recordCorrection(const Correction::Checked& before) {
    const Correction::Checked after{{game_.clock(Side::Left), game_.clock(Side::Right)},
                                    game_.movesPlayed(),
                                    game_.sideToMove()};
    QStringList changes;
    for (const Side side : kBothSides) {
        const SideClock& was = before.clocks[indexOf(side)];
        const SideClock& is = after.clocks[indexOf(side)];
        const QString role = words::role(side == game_.senteSide()) + u' ';
        noteChange(changes, role + words::kMainTime, was.mainTime.toText(), is.mainTime.toText());
        noteChange(changes, role + words::kPeriod, QString::number(was.periodElapsed),
                   QString::number(is.periodElapsed));
        noteChange(changes, role + words::kConsideration, was.considerationLeft.toText(),
                   is.considerationLeft.toText());
    }
    noteChange(changes, words::kMoveNumber, QString::number(before.movesPlayed + 1),
               QString::number(after.movesPlayed + 1));
    noteChange(changes, words::kTurn, words::role(before.sideToMove == game_.senteSide()),
               words::role(after.sideToMove == game_.senteSide()));
    const QString event = words::kCorrected + changes.join(words::kChangeSeparator);
    if (before.sideToMove == after.sideToMove) {
        writeCurrent(event);
        return;
    }
    // The seconds so far were the other side's: its row closes them, and the side now to move
    // starts afresh.
    const ClockTime used = game_.totalTime() - moveStartedAt_;
    moveStartedAt_ = game_.totalTime();
    write(before.sideToMove, before.movesPlayed + 1, used, event);
}

void MoveRecord::writeCurrent(const QString& event) {
    write(game_.sideToMove(), game_.movesPlayed() + 1, game_.totalTime() - moveStartedAt_, event);
}

void MoveRecord::write(Side side, int moveNumber, ClockTime used, const QString& event) {
    const SideClock& clock = game_.clock(side);
    const QStringList fields = {
        gameStart_,
        QString::number(moveNumber),
        words::role(side == game_.senteSide()),
        game_.name(side),
        QString::number(used.seconds()),
        clock.mainTime.toText(),
        periodUsedText(clock),
        hasByoyomi(clock) ? clock.considerationLeft.toText() : QString(),
        event,
    };
    QStringList quoted;
    for (const QString& field : fields)
        quoted << csvField(field);
    const QString what = QString::number(moveNumber) + QStringLiteral("手目 ") + event;
    appender_.append((quoted.join(u',') + QStringLiteral("\r\n")).toUtf8(), what);
}

void MoveRecord::rowFailed(const QString& what, const QString& reason) {
    const QString line =
        QStringLiteral("%1 に記録できませんでした（%2）：%3").arg(path_, what, reason);
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    const std::lock_guard lock(failuresMutex_);
    if (failedRows_++ == 0)
        firstFailure_ = reason;
}

void MoveRecord::waitUntilWritten() {
    appender_.waitUntilWritten();
}

std::optional<QString> MoveRecord::takeIncompleteReport() {
    waitUntilWritten();
    const std::lock_guard lock(failuresMutex_);
    if (failedRows_ == 0)
        return std::nullopt;
    const QString report =
        QStringLiteral("対局の記録「%1」は不完全です。%2 行を書き込めませんでした。\n理由：%3")
            .arg(path_, QString::number(failedRows_), firstFailure_);
    failedRows_ = 0;
    firstFailure_.clear();
    return report;
}
