#include "core/announcer.h"

#include "core/audio_device.h"
#include "core/consideration_clips.h"
#include "core/move_count_clips.h"

namespace clip {

namespace {

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QString countdown(int n) {
    return twoDigits(n) + QStringLiteral(".wav");
}

QString secondsMark(int s) {
    return twoDigits(s) + QStringLiteral("b.wav");
}

QString minuteOrdinal(int n) {
    return twoDigits(n) + QStringLiteral("kaime.wav");
}

QString minutesLeft(int n) {
    return QStringLiteral("Nokori") + twoDigits(n) + QStringLiteral(".wav");
}

QString digit(int d) {
    return twoDigits(d) + QStringLiteral("y1.wav");
}

QString mainTimeLeft(int s) {
    return s >= 60 ? QStringLiteral("Nokori%1fun.wav").arg(s / 60)
                   : QStringLiteral("Nokori%1byo.wav").arg(s);
}

QString result(Outcome outcome) {
    switch (outcome) {
    case Outcome::SenteWins:
        return QStringLiteral("S-kati.wav");
    case Outcome::GoteWins:
        return QStringLiteral("G-kati.wav");
    case Outcome::Draw:
        return QStringLiteral("Hikiwake.wav");
    case Outcome::None:
        break;
    }
    return {};
}

} // namespace clip

Announcer::Announcer(AudioDevice& device)
    : device_(device) {}

void Announcer::greeting() {
    play(clip::kGreeting);
}

void Announcer::mainTimeOver() {
    play(clip::kMainTimeOver);
}

void Announcer::countedSecond(const QString& clip) {
    if (!clip.isEmpty())
        play(clip);
}

void Announcer::considerationMinuteTaken(const Decimal& left, const Decimal& granted) {
    const ConsiderationClips said = considerationClips(left, granted);
    playAndWait(said.ordinal); // so that the count follows it instead of cutting it off
    if (!said.minutesLeft.isEmpty())
        play(said.minutesLeft);
}

void Announcer::timeOut() {
    playAndWait(clip::countdown(10));
}

void Announcer::result(const std::optional<Decimal>& moves, Outcome outcome) {
    if (moves) {
        for (const QString& said : moveCountClips(*moves))
            playAndWait(said);
    }
    playAndWait(clip::kInMoves);
    if (const QString said = clip::result(outcome); !said.isEmpty())
        playAndWait(said);
}

void Announcer::play(const QString& clip) {
    send(clip, false);
}

void Announcer::playAndWait(const QString& clip) {
    send(clip, true);
}

void Announcer::send(const QString& clip, bool wait) {
    device_.play(clip.isEmpty() ? QString() : QStringLiteral("sound/") + clip, wait);
}

void Announcer::afterSaid(QObject* context, std::function<void()> then) {
    device_.afterClips(context, std::move(then));
}
