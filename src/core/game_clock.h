#pragma once

#include "core/announcer.h"
#include "core/correction.h"
#include "core/game_result.h"
#include "core/game_settings.h"
#include "core/play_state.h"
#include "core/side.h"
#include "core/side_clock.h"

#include <QObject>
#include <QStringList>
#include <optional>

class AudioDevice;
class WallClock;

// The game on the clock and every rule of play: start, the per-second tick, moves, pause
// and resume, time-out, resignation and the end. It has no timer: the window's timer calls
// tick() while running(), just after each change of the wall clock's second. Each signal tells that
// one value changed, at the step that changes it; gameEnded() and timeOutReached() come last, once
// the state is final, as windows open modal boxes from them.
class GameClock : public QObject {
    Q_OBJECT
public:
    // The time-out question waits this long after the time-out, so that the last count is
    // heard out and a move key still held is let go before a box takes the keyboard.
    static constexpr int kTimeOutQuestionDelayMs = 3000;

    GameClock(const WallClock& wallClock, AudioDevice& audio, QObject* parent = nullptr);

    // Names from the players file's first two lines; a side without a line keeps its own.
    void loadPlayers(const QStringList& lines);
    // Starts a game, or applies nothing and returns the first field that holds no number.
    std::optional<SettingsField> startGame(const GameSettings& settings);
    // Counts a second when the wall clock's second has changed since the last one counted.
    void tick();
    // A move key: the side to move passes the turn; any side's key rewrites the move number.
    void endMove(Side side);
    void pause();
    // Runs a paused game again, with the commands it had before the pause.
    void resume();
    // Stops a running clock, touching nothing else, while the window asks whether to resign
    // or to claim a repetition draw; false when no clock runs, so nothing is to be asked.
    bool stopForQuestion();
    void resumeAfterQuestion();
    // The players set up a new game in place of this one, which stays stopped (a stop for a
    // question becomes a pause) until the new game starts and leaves it, or it is resumed.
    void prepareReplay(Abandonment why);
    // Who plays sente in the replay being prepared: the other side, as a replay swaps the
    // colours; nullopt while none is.
    std::optional<Side> replaySente() const;
    // The program ends: a game still undecided is left, told by abandoned().
    void abandon();
    // The wait after a time-out is over: the question is asked, told by timeOutQuestion(),
    // unless it has been answered or the game left.
    void timeOutWaitOver();
    // The answers to the question after a time-out: the side to move lost on time, or it has
    // ten seconds more.
    void confirmTimeOut();
    void giveTenSecondsBack();
    // An arbiter's correction of a paused game, checked whole like a game start: nothing is
    // applied and the first bad field is returned when one holds no number in its range.
    // Only what changed is signalled, and nothing is said. A game that is running, over or
    // awaiting the time-out answer is left as it is.
    std::optional<CorrectionField> correct(const Correction& correction);
    // Whether correct() would act: a game paused, not awaiting the time-out answer.
    bool correctable() const { return canResume(); }
    // The game's values as a correction that changes nothing.
    Correction currentCorrection() const;
    // Says a move count with 手にて 先手の勝ち, to try the voice; the game is untouched.
    void tryVoice(std::optional<Decimal> moves);
    // The side to move resigns.
    void resign();
    void endGame(Outcome outcome);

    bool running() const { return running_; }
    const PlayState& playState() const { return playState_; }
    const SideClock& clock(Side side) const { return clocks_[indexOf(side)]; }
    const QString& name(Side side) const { return names_[indexOf(side)]; }
    Side sideToMove() const { return sideToMove_; }
    Side senteSide() const { return senteSide_; }
    Role role(Side side) const { return side == senteSide_ ? Role::Sente : Role::Gote; }
    int movesPlayed() const { return movesPlayed_; }
    // The move being played, from 1.
    int moveNumber() const { return movesPlayed_ + 1; }
    ClockTime totalTime() const { return totalTime_; }
    bool timedOut() const { return timedOut_; }
    bool awaitingTimeOutAnswer() const { return phase_ == Phase::AwaitingTimeOutAnswer; }
    // Between gameDecided() and gameEnded(), while the result is said.
    bool sayingResult() const { return phase_ == Phase::Decided; }
    bool resigned() const { return resigned_; }
    Outcome outcome() const { return outcome_; }
    GameResult result() const;
    // The result window's seven lines, dated today.
    QString summary() const;

    // The values as the labels write them.
    QString mainTimeText(Side side) const;
    QString periodText(Side side) const;
    // The byoyomi length, or under Fischer the increment: "+5".
    QString byoyomiLengthText(Side side) const;
    QString considerationText(Side side) const;
    QString totalTimeText() const;

signals:
    void runningChanged(bool running);
    void playStateChanged();
    void nameChanged(Side side);
    // Which side plays sente: the role labels, the pictures and the colours on them.
    void coloursChanged();
    void mainTimeChanged(Side side);
    void periodChanged(Side side);
    void byoyomiLengthChanged(Side side);
    void considerationChanged(Side side);
    void totalTimeChanged();
    void turnChanged();
    void moveNumberChanged();
    // A side ran out: the question follows once the window's wait is over.
    void timeOutReached();
    void timeOutQuestion();
    // The result is final, before it is said; gameEnded() follows once it has been.
    void gameDecided();
    void gameEnded();
    // A game left undecided: replaced by a replay, or stopped as the program ends.
    void abandoned(Abandonment why);
    // Events of play, for a record of the game: a game began; a move passed the turn, told
    // before the side's fresh period so that the period it used is still seen; the clock was
    // paused; it runs again after a pause or after ten seconds given back.
    void gameStarted();
    void moveEnded(Side side);
    void paused();
    void resumed();
    // After a correction has been applied and its values' own signals told; with the values
    // before it.
    void corrected(const Correction::Checked& before);

private:
    // Decided: the result is being said; the game is over once it has been.
    enum class Phase { NoGame, Playing, AwaitingTimeOutAnswer, Decided, Over };

    void apply(const GameSettings::Checked& game);
    void chargeSecond(Side side);
    void runOut(Side side);
    void finish(Outcome outcome);
    void leaveUndecided();
    Outcome lossFor(Side loser) const;
    bool canResume() const { return phase_ == Phase::Playing && !running_; }
    void setRunning(bool running);
    void setPlayState(const PlayState& state);

    const WallClock& wallClock_;
    Announcer announcer_;
    std::array<SideClock, 2> clocks_;
    std::array<QString, 2> names_;
    Side sideToMove_ = Side::Left;
    Side senteSide_ = Side::Left;
    int movesPlayed_ = 0;
    ClockTime totalTime_;
    std::optional<ClockTime> lastCountedSecond_; // never cleared: it spans games
    Phase phase_ = Phase::NoGame;
    int gamesStarted_ = 0; // tells a game's spoken end from a later game's
    bool running_ = false;
    bool heldForQuestion_ = false;
    std::optional<Abandonment> replayReason_;
    PlayState playState_;
    bool timedOut_ = false;
    bool resigned_ = false;
    Outcome outcome_ = Outcome::None;
};
