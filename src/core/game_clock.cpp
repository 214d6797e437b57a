#include "core/game_clock.h"

#include "core/byoyomi_clips.h"
#include "core/main_time_clips.h"
#include "core/wall_clock.h"

#include <utility>

namespace {

constexpr int kSecondsGivenBack = 10;

ClockTime timeOfDay(const WallClock& clock) {
    const QTime now = clock.timeOfDay();
    return ClockTime::fromHms(now.hour(), now.minute(), now.second());
}

} // namespace

GameClock::GameClock(const WallClock& wallClock, AudioDevice& audio, QObject* parent)
    : QObject(parent)
    , wallClock_(wallClock)
    , announcer_(audio)
    , clocks_(std::get<GameSettings::Checked>(GameSettings::defaults().check()).clocks) {}

void GameClock::loadPlayers(const QStringList& lines) {
    for (const Side side : kBothSides) {
        const std::size_t i = indexOf(side);
        if (qsizetype(i) >= lines.size())
            return;
        names_[i] = lines[qsizetype(i)];
        emit nameChanged(side);
    }
}

std::optional<SettingsField> GameClock::startGame(const GameSettings& settings) {
    const auto checked = settings.check();
    if (const auto* bad = std::get_if<SettingsField>(&checked))
        return *bad;
    apply(std::get<GameSettings::Checked>(checked));
    return std::nullopt;
}

void GameClock::apply(const GameSettings::Checked& game) {
    leaveUndecided();
    names_ = game.names;
    for (const Side side : kBothSides)
        emit nameChanged(side);
    senteSide_ = sideToMove_ = game.senteSide;
    emit coloursChanged();
    clocks_ = game.clocks;
    for (const Side side : kBothSides)
        emit mainTimeChanged(side);
    for (const Side side : kBothSides)
        emit considerationChanged(side);
    for (const Side side : kBothSides) {
        emit periodChanged(side);
        emit byoyomiLengthChanged(side);
    }
    movesPlayed_ = 0;
    emit moveNumberChanged();
    emit turnChanged();
    totalTime_ = ClockTime();
    emit totalTimeChanged();
    phase_ = Phase::Playing;
    ++gamesStarted_;
    timedOut_ = resigned_ = false;
    outcome_ = Outcome::None;
    setPlayState(playState_.started());
    setRunning(true);
    emit gameStarted();
    announcer_.greeting();
}

void GameClock::tick() {
    if (!running_)
        return;
    const ClockTime now = timeOfDay(wallClock_);
    if (lastCountedSecond_ == now)
        return;
    lastCountedSecond_ = now;
    totalTime_ = totalTime_ + kOneSecond;
    emit totalTimeChanged();
    chargeSecond(sideToMove_);
}

void GameClock::chargeSecond(Side side) {
    SideClock& clock = clocks_[indexOf(side)];
    const bool announced = clock.mainTimeOverAnnounced;
    const Decimal leftBefore = clock.considerationLeft;
    const SecondCounted counted = clock.countSecond();
    if (!announced && clock.mainTimeOverAnnounced)
        announcer_.mainTimeOver();
    switch (counted) {
    case SecondCounted::MainTimeRan:
        emit mainTimeChanged(side);
        if (clock.control != TimeControl::Byoyomi)
            announcer_.countedSecond(mainTimeClip(clock.mainTime.seconds()));
        break;
    case SecondCounted::ByoyomiSecond:
        emit periodChanged(side);
        announcer_.countedSecond(
            byoyomiClip(clock.periodElapsed, clock.periodLength, clock.considerationLeft));
        break;
    case SecondCounted::MinuteTaken:
        emit considerationChanged(side);
        emit periodChanged(side);
        // Said from the minutes before: a typed fraction (0.5) still names its minute.
        announcer_.considerationMinuteTaken(leftBefore - 1, clock.considerationGranted);
        break;
    case SecondCounted::TimeOut:
        runOut(side);
        break;
    }
}

// Only the answer to the time-out question acts on the game from here.
void GameClock::runOut(Side side) {
    setRunning(false);
    setPlayState(playState_.ranOut());
    phase_ = Phase::AwaitingTimeOutAnswer;
    timedOut_ = true;
    if (clock(side).control == TimeControl::Byoyomi)
        emit periodChanged(side);
    else
        emit mainTimeChanged(side);
    announcer_.timeOut();
    emit timeOutReached();
}

void GameClock::endMove(Side side) {
    if (!running_)
        return;
    if (side == sideToMove_) {
        sideToMove_ = opposite(side);
        emit turnChanged();
        ++movesPlayed_;
        SideClock& clock = clocks_[indexOf(side)];
        if (clock.addIncrement()) // every move earns it, the first included
            emit mainTimeChanged(side);
        emit moveEnded(side);
        if (clock.moveMade())
            emit periodChanged(side);
    }
    emit moveNumberChanged();
}

void GameClock::pause() {
    if (!running_)
        return;
    setRunning(false);
    setPlayState(playState_.paused());
    emit paused();
}

void GameClock::resume() {
    if (!canResume())
        return;
    replayReason_.reset();
    setRunning(true);
    setPlayState(playState_.resumed());
    emit resumed();
}

bool GameClock::stopForQuestion() {
    if (!running_)
        return false;
    setRunning(false);
    heldForQuestion_ = true;
    return true;
}

// Only the clock the question stopped: a paused game is resumed by the pause command.
void GameClock::resumeAfterQuestion() {
    if (heldForQuestion_ && canResume())
        setRunning(true);
}

// The play state stays: the pause command resumes the game if no replay starts.
void GameClock::tryVoice(std::optional<Decimal> moves) {
    announcer_.result(moves, Outcome::SenteWins);
}

std::optional<Side> GameClock::replaySente() const {
    return replayReason_ ? std::optional(opposite(senteSide_)) : std::nullopt;
}

void GameClock::prepareReplay(Abandonment why) {
    if (phase_ != Phase::Playing || running_)
        return;
    replayReason_ = why;
    if (std::exchange(heldForQuestion_, false))
        emit paused();
}

void GameClock::abandon() {
    leaveUndecided();
    setRunning(false);
}

void GameClock::leaveUndecided() {
    if (phase_ != Phase::Playing && phase_ != Phase::AwaitingTimeOutAnswer)
        return;
    phase_ = Phase::NoGame;
    emit abandoned(std::exchange(replayReason_, std::nullopt).value_or(Abandonment::Stopped));
}

void GameClock::timeOutWaitOver() {
    if (awaitingTimeOutAnswer())
        emit timeOutQuestion();
}

void GameClock::confirmTimeOut() {
    if (awaitingTimeOutAnswer())
        finish(lossFor(sideToMove_));
}

void GameClock::giveTenSecondsBack() {
    if (!awaitingTimeOutAnswer())
        return;
    phase_ = Phase::Playing;
    timedOut_ = false;
    SideClock& clock = clocks_[indexOf(sideToMove_)];
    clock.giveBack(kSecondsGivenBack);
    if (clock.control == TimeControl::Byoyomi)
        emit periodChanged(sideToMove_);
    else
        emit mainTimeChanged(sideToMove_);
    setPlayState(playState_.givenTimeBack());
    setRunning(true);
    emit resumed();
}

std::optional<CorrectionField> GameClock::correct(const Correction& correction) {
    if (!correctable())
        return std::nullopt;
    const auto checked = correction.check(clocks_);
    if (const auto* bad = std::get_if<CorrectionField>(&checked))
        return *bad;
    const auto& values = std::get<Correction::Checked>(checked);
    const Correction::Checked before{clocks_, movesPlayed_, sideToMove_};
    clocks_ = values.clocks;
    movesPlayed_ = values.movesPlayed;
    sideToMove_ = values.sideToMove;
    for (const Side side : kBothSides) {
        const SideClock& was = before.clocks[indexOf(side)];
        const SideClock& now = clocks_[indexOf(side)];
        if (now.mainTime != was.mainTime)
            emit mainTimeChanged(side);
        if (now.periodElapsed != was.periodElapsed)
            emit periodChanged(side);
        // 10 and 10.0 are equal, yet the label shows what was typed.
        if (now.considerationLeft.toText() != was.considerationLeft.toText())
            emit considerationChanged(side);
    }
    if (movesPlayed_ != before.movesPlayed)
        emit moveNumberChanged();
    if (sideToMove_ != before.sideToMove)
        emit turnChanged();
    emit corrected(before);
    return std::nullopt;
}

Correction GameClock::currentCorrection() const {
    Correction correction;
    for (const Side side : kBothSides) {
        const SideClock& clock = clocks_[indexOf(side)];
        const long long seconds = clock.mainTime.seconds();
        correction.sides[indexOf(side)] = {
            QString::number(seconds / 3600), QString::number(seconds / 60 % 60),
            QString::number(seconds % 60), QString::number(clock.periodElapsed),
            clock.considerationLeft.toText()};
    }
    correction.moveNumber = QString::number(movesPlayed_ + 1);
    correction.sideToMove = sideToMove_;
    return correction;
}

void GameClock::resign() {
    if (phase_ != Phase::Playing)
        return;
    resigned_ = true;
    finish(lossFor(sideToMove_));
}

void GameClock::endGame(Outcome outcome) {
    if (phase_ == Phase::Playing && outcome != Outcome::None)
        finish(outcome);
}

// The game is over, and recorded, before the result is said; it ends once it has been.
void GameClock::finish(Outcome outcome) {
    phase_ = Phase::Decided;
    outcome_ = outcome;
    replayReason_.reset();
    setRunning(false);
    setPlayState(playState_.decided());
    emit gameDecided();
    announcer_.result(Decimal(movesPlayed_), outcome);
    announcer_.afterSaid(this, [this, game = gamesStarted_] {
        if (phase_ != Phase::Decided || game != gamesStarted_)
            return;
        phase_ = Phase::Over;
        setPlayState(playState_.ended());
        emit gameEnded();
    });
}

Outcome GameClock::lossFor(Side loser) const {
    return loser == senteSide_ ? Outcome::GoteWins : Outcome::SenteWins;
}

void GameClock::setRunning(bool running) {
    heldForQuestion_ = false;
    if (running == running_)
        return;
    running_ = running;
    emit runningChanged(running);
}

void GameClock::setPlayState(const PlayState& state) {
    if (state == playState_)
        return;
    playState_ = state;
    emit playStateChanged();
}

GameResult GameClock::result() const {
    GameResult result{outcome_, resigned_, timedOut_, movesPlayed_, senteSide_, {}, totalTime_};
    for (std::size_t i = 0; i < result.players.size(); ++i)
        result.players[i] = {names_[i], clocks_[i].mainTime, clocks_[i].considerationLeft};
    return result;
}

QString GameClock::summary() const {
    return result().summary(wallClock_.todayShortText());
}

QString GameClock::mainTimeText(Side side) const {
    return clock(side).mainTime.toText();
}

QString GameClock::periodText(Side side) const {
    return QString::number(clock(side).periodElapsed);
}

QString GameClock::byoyomiLengthText(Side side) const {
    const SideClock& sideClock = clock(side);
    if (sideClock.control == TimeControl::Fischer)
        return QStringLiteral("+%1").arg(sideClock.increment);
    return QString::number(sideClock.byoyomiLength);
}

QString GameClock::considerationText(Side side) const {
    return clock(side).considerationLeft.toText();
}

QString GameClock::totalTimeText() const {
    return totalTime_.toText();
}
