#pragma once

#include "core/background_appender.h"
#include "core/clock_time.h"
#include "core/correction.h"
#include "core/game_result.h"
#include "core/side.h"
#include "core/side_clock.h"

#include <QObject>
#include <QString>
#include <array>
#include <mutex>
#include <optional>

class GameClock;
class WallClock;

// "対局記録.csv" in the working folder: every game's events of play, one CSV row each.
inline constexpr const char* kMoveRecordFile = "対局記録.csv";

// Keeps the record of play: a row per event of the game it watches, appended as it happens,
// in UTF-8 with CR LF line ends and a byte-order mark and header on a new file, so that
// spreadsheets open it. Each row holds the move it is about: the move a key has just ended,
// else the move in progress, with the seconds charged to it so far. Rows are written by a
// thread of their own, so the clock never waits for the disk or for another writer's lock.
// A row that can't be written is told on stderr at once and the game goes on; the failures
// wait to be reported.
class MoveRecord : public QObject {
    Q_OBJECT
public:
    MoveRecord(const GameClock& game, const WallClock& wallClock,
               const QString& path = QString::fromUtf8(kMoveRecordFile), QObject* parent = nullptr);

    // Why the record has been incomplete since the last report, or nullopt when every row
    // since then is written. Waits for the rows still being written.
    std::optional<QString> takeIncompleteReport();
    // Returns once every row so far is written, or has failed.
    void waitUntilWritten();

    static QString headerRow();
    // One field as RFC 4180 writes it: quoted, with its quotes doubled, when it needs to be.
    static QString csvField(const QString& text);

private:
    void start();
    // The row of a correction: 修正 with each value changed, before → after.
    void recordCorrection(const Correction::Checked& before);
    void moveEnded(Side side);
    void ended();
    void abandoned(Abandonment why);
    // The row of the move in progress.
    void writeCurrent(const QString& event);
    void write(Side side, int moveNumber, ClockTime used, const QString& event);
    QString startDateTime() const;
    // On the writing thread.
    void rowFailed(const QString& what, const QString& reason);

    const GameClock& game_;
    const WallClock& wallClock_;
    QString path_;
    QString gameStart_;
    ClockTime moveStartedAt_; // the game's total time when the move in progress began
    std::mutex failuresMutex_;
    int failedRows_ = 0;
    QString firstFailure_;
    BackgroundAppender appender_; // last: its thread may report failures until it is gone
};
