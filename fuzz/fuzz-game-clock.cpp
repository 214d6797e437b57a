// The game model driven by a stream of commands: keys, ticks of 0 to 3 seconds, pause,
// resume, questions, time given back, an arbiter's corrections, ends and new games. After every
// command the time adds up to what a reference count says the clock must have counted, and nothing
// goes out of its bounds.
#include "core/game_clock.h"
#include "fuzz_support.h"

#include <array>

namespace {

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size)
        : data_(data)
        , size_(size) {}
    bool empty() const { return at_ >= size_; }
    uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

class Run {
public:
    explicit Run(Bytes& bytes)
        : bytes_(bytes) {}

    void start() {
        GameSettings settings;
        for (auto& player : settings.players) {
            player = {"", "0", QString::number(bytes_.next() % 3),
                      QString::number(bytes_.next() % 3),
                      GameSettings::kShortestByoyomi + bytes_.next() % 56};
        }
        settings.senteSide = bytes_.next() % 2 ? Side::Left : Side::Right;
        settings.control = TimeControl(bytes_.next() % 3);
        settings.increment = 1 + bytes_.next() % GameSettings::kLargestIncrement;
        for (auto& player : settings.players) {
            if (settings.control != TimeControl::Byoyomi && player.minutes == u"0")
                player.minutes = QStringLiteral("1"); // without byoyomi a side needs main time
        }
        require(!game_.startGame(settings));
        counted_ = 0;
        charged_ = {};
    }

    void command() {
        switch (bytes_.next() % 13) {
        case 0:
        case 1:
        case 2:
            tick(bytes_.next() % 31 * 100);
            break;
        case 3:
            game_.endMove(Side::Left);
            break;
        case 4:
            game_.endMove(Side::Right);
            break;
        case 5:
            game_.pause();
            break;
        case 6:
            game_.resume();
            break;
        case 7:
            game_.prepareReplay(Abandonment::Replay);
            break;
        case 8:
            game_.giveTenSecondsBack();
            break;
        case 9:
            game_.confirmTimeOut();
            break;
        case 10:
            bytes_.next() % 2 ? void(game_.stopForQuestion()) : game_.resumeAfterQuestion();
            break;
        case 11:
            correct();
            break;
        default:
            end();
            break;
        }
        check();
    }

private:
    void tick(int ms) {
        const Side toMove = game_.sideToMove();
        const bool ended = game_.outcome() != Outcome::None;
        wallClock_.now = wallClock_.now.addMSecs(ms);
        const QTime now = wallClock_.now.time();
        const QTime second(now.hour(), now.minute(), now.second());
        if (game_.running() && second != lastCounted_) {
            require(!ended);
            lastCounted_ = second;
            ++counted_;
            ++charged_[indexOf(toMove)];
        }
        game_.tick();
    }

    // The game's values with a few fields retyped, in range or not, and either side to move.
    void correct() {
        Correction correction = game_.currentCorrection();
        for (int changes = bytes_.next() % 4; changes > 0; --changes) {
            const QString text = QString::number(int8_t(bytes_.next()));
            const int field = bytes_.next() % 11;
            Correction::SideTimes& times = correction.sides[field / 5 % 2];
            QString* fields[] = {&times.hours, &times.minutes, &times.seconds, &times.periodSeconds,
                                 &times.considerationMinutes};
            *(field == 10 ? &correction.moveNumber : fields[field % 5]) = text;
        }
        correction.sideToMove = bytes_.next() % 2 ? Side::Left : Side::Right;
        game_.correct(correction);
    }

    void end() {
        switch (bytes_.next() % 5) {
        case 0:
            game_.resign();
            break;
        case 4:
            start();
            break;
        default:
            game_.endGame(Outcome(bytes_.next() % 4));
            break;
        }
        if (game_.outcome() != Outcome::None)
            require(!game_.running());
    }

    void check() {
        require(game_.totalTime().seconds() == counted_);
        require(charged_[0] + charged_[1] == counted_);
        for (const Side side : kBothSides) {
            const SideClock& clock = game_.clock(side);
            require(clock.mainTime >= ClockTime());
            require(clock.periodElapsed >= 0 && clock.periodElapsed <= clock.periodLength);
            require(clock.considerationLeft >= Decimal(0));
            require(clock.considerationLeft <= clock.considerationGranted);
        }
    }

    Bytes& bytes_;
    SettableWallClock wallClock_;
    NoAudio audio_;
    GameClock game_{wallClock_, audio_};
    QTime lastCounted_;
    long long counted_ = 0;
    std::array<long long, 2> charged_{};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Bytes bytes(data, size);
    Run run(bytes);
    run.start();
    while (!bytes.empty())
        run.command();
    return 0;
}
