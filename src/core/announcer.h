#pragma once

#include "core/decimal.h"
#include "core/game_result.h"

#include <QString>
#include <functional>
#include <optional>

class AudioDevice;
class QObject;

// The clip catalogue: every clip the clock says, by its file name in the sound folder.
namespace clip {

QString countdown(int n);        // 1 ... 10 of the last ten seconds of a period
QString secondsMark(int s);      // seconds used of a period: 10, 20, 25, 40, 50, 55
QString minuteOrdinal(int n);    // the nth consideration minute, 1 ... 10
QString minutesLeft(int n);      // consideration minutes left, 0 ... 9
QString digit(int d);            // 2 ... 9 as a word of a number of moves
QString mainTimeLeft(int s);     // 残り: 300, 180 and 60 as minutes, 30 and 20 as seconds
QString result(Outcome outcome); // empty for no result

inline const QString kZero = QStringLiteral("00.wav");
inline const QString kOneLast = QStringLiteral("01yt1.wav"); // one as the last word
inline const QString kTen = QStringLiteral("10y1.wav");      // ten before a units digit
inline const QString kTenLast = QStringLiteral("10yt1.wav");
inline const QString kHundred = QStringLiteral("100y1.wav");
inline const QString kInMoves = QStringLiteral("Tenite.wav"); // 手にて
inline const QString kMainTimeOver = QStringLiteral("Motitu.wav");
inline const QString kGreeting = QStringLiteral("Yoroone.wav");

} // namespace clip

// The clock's voice, through the one audio device: a clip played without waiting is cut off
// by the next one; clips that must be heard one after another are waited for.
class Announcer {
public:
    explicit Announcer(AudioDevice& device);

    void greeting();
    void mainTimeOver();
    // The clip a counted second says, if any.
    void countedSecond(const QString& clip);
    void considerationMinuteTaken(const Decimal& left, const Decimal& granted);
    // Waited for: the question that follows must not cut it off.
    void timeOut();
    // The number of moves (nothing when it is not a number), 手にて and the result, each
    // waited for.
    void result(const std::optional<Decimal>& moves, Outcome outcome);

    // Any clip of the sound folder, by its file name; an empty name plays nothing.
    void play(const QString& clip);
    void playAndWait(const QString& clip);
    // Calls then once all that was asked for has been said, unless context is gone by then.
    void afterSaid(QObject* context, std::function<void()> then);

private:
    void send(const QString& clip, bool wait);

    AudioDevice& device_;
};
