// The arbiter's correction of a paused game: every field's range, the period rule, the
// check as one unit, the signals of what changed, and the game going on from the values.

#include "model_test.h"

#include <functional>

namespace {

// The text of one field of a correction.
QString& textOf(Correction& correction, CorrectionField field) {
    const int i = int(field);
    if (field == CorrectionField::MoveNumber)
        return correction.moveNumber;
    Correction::SideTimes& side = correction.sides[std::size_t(i / 5)];
    QString* const texts[] = {&side.hours, &side.minutes, &side.seconds, &side.periodSeconds,
                              &side.considerationMinutes};
    return *texts[i % 5];
}

class CorrectionTest : public ModelTest {
protected:
    // A paused game in which the left side, to move, has used `seconds` of its 15 minutes.
    void pausedAfter(int secondsUsed, GameSettings settings = defaultSettings()) {
        start(settings);
        seconds(secondsUsed);
        game.pause();
        audio.log.clear();
    }

    // A paused game with the left side 12 seconds into its 30-second byoyomi, one minute of
    // consideration left.
    void pausedInByoyomi() {
        GameSettings settings = defaultSettings();
        setSide(settings, Side::Left, 1, 1, 30);
        pausedAfter(60 + 12, settings);
        ASSERT_EQ(game.periodText(Side::Left), "12");
    }

    // The current values with one field's text replaced.
    Correction with(CorrectionField field, const QString& text) const {
        Correction correction = game.currentCorrection();
        textOf(correction, field) = text;
        return correction;
    }

    // Expects a correction to be refused at `field`, with nothing applied or signalled.
    void expectRefused(const Correction& correction, CorrectionField field) {
        const std::array before{game.clock(Side::Left), game.clock(Side::Right)};
        const int movesBefore = game.movesPlayed();
        const Side toMoveBefore = game.sideToMove();
        SignalLog log(game);
        EXPECT_EQ(game.correct(correction), field);
        EXPECT_EQ(game.clock(Side::Left), before[0]);
        EXPECT_EQ(game.clock(Side::Right), before[1]);
        EXPECT_EQ(game.movesPlayed(), movesBefore);
        EXPECT_EQ(game.sideToMove(), toMoveBefore);
        EXPECT_TRUE(log.names.isEmpty()) << log.names.join(' ').toStdString();
    }
};

using F = CorrectionField;

} // namespace

TEST_F(CorrectionTest, TheCurrentValuesAreOfferedAndChangeNothing) {
    pausedAfter(75);
    const Correction now = game.currentCorrection();
    EXPECT_EQ(now.sides[0].hours, "0");
    EXPECT_EQ(now.sides[0].minutes, "13");
    EXPECT_EQ(now.sides[0].seconds, "45");
    EXPECT_EQ(now.sides[0].periodSeconds, "0");
    EXPECT_EQ(now.sides[0].considerationMinutes, "10");
    EXPECT_EQ(now.sides[1].minutes, "15");
    EXPECT_EQ(now.moveNumber, "1");
    EXPECT_EQ(now.sideToMove, Side::Left);

    SignalLog log(game);
    EXPECT_EQ(game.correct(now), std::nullopt);
    EXPECT_TRUE(log.names.isEmpty()) << log.names.join(' ').toStdString();
}

TEST_F(CorrectionTest, EachValueIsAppliedWithOnlyItsOwnSignal) {
    const struct {
        F field;
        const char* text;
        const char* signal;
        std::function<QString(const GameClock&)> shown;
        const char* expected;
    } rows[] = {
        {F::LeftHours, "2", "mainTimeChanged(Left)",
         [](const GameClock& g) { return g.mainTimeText(Side::Left); }, "2:13:45"},
        {F::LeftMinutes, "0", "mainTimeChanged(Left)",
         [](const GameClock& g) { return g.mainTimeText(Side::Left); }, "0:00:45"},
        {F::LeftSeconds, "7", "mainTimeChanged(Left)",
         [](const GameClock& g) { return g.mainTimeText(Side::Left); }, "0:13:07"},
        {F::RightSeconds, "30", "mainTimeChanged(Right)",
         [](const GameClock& g) { return g.mainTimeText(Side::Right); }, "0:15:30"},
        {F::LeftConsideration, "3", "considerationChanged(Left)",
         [](const GameClock& g) { return g.considerationText(Side::Left); }, "3"},
        {F::RightConsideration, "2.5", "considerationChanged(Right)",
         [](const GameClock& g) { return g.considerationText(Side::Right); }, "2.5"},
        {F::MoveNumber, "41", "moveNumberChanged",
         [](const GameClock& g) { return QString::number(g.moveNumber()); }, "41"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.signal);
        pausedAfter(75);
        SignalLog log(game);
        EXPECT_EQ(game.correct(with(row.field, QString::fromUtf8(row.text))), std::nullopt);
        EXPECT_EQ(log.names, QStringList{row.signal});
        EXPECT_EQ(row.shown(game), QString::fromUtf8(row.expected));
    }
}

TEST_F(CorrectionTest, TheSideToMoveIsApplied) {
    pausedAfter(3);
    Correction correction = game.currentCorrection();
    correction.sideToMove = Side::Right;
    SignalLog log(game);
    EXPECT_EQ(game.correct(correction), std::nullopt);
    EXPECT_EQ(log.names, QStringList{"turnChanged"});
    EXPECT_EQ(game.sideToMove(), Side::Right);
    EXPECT_EQ(game.role(game.sideToMove()), Role::Gote);
}

TEST_F(CorrectionTest, EveryFieldTakesTheEdgesOfItsRange) {
    const struct {
        F field;
        const char* text;
    } rows[] = {
        {F::LeftHours, "0"},         {F::LeftHours, "23"},          {F::RightMinutes, "0"},
        {F::RightMinutes, "59"},     {F::LeftSeconds, "0"},         {F::LeftSeconds, "59"},
        {F::LeftConsideration, "0"}, {F::RightConsideration, "10"}, {F::MoveNumber, "1"},
        {F::RightHours, "１"}, // typed by a Japanese input method
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        pausedAfter(3);
        EXPECT_EQ(game.correct(with(row.field, QString::fromUtf8(row.text))), std::nullopt);
    }
}

TEST_F(CorrectionTest, AValueOutOfItsRangeIsRefused) {
    const struct {
        F field;
        const char* text;
    } rows[] = {
        {F::LeftHours, "24"},           {F::RightHours, "-1"},         {F::LeftMinutes, "60"},
        {F::RightMinutes, "x"},         {F::LeftSeconds, "60"},        {F::RightSeconds, "1.5"},
        {F::LeftConsideration, "10.5"}, {F::RightConsideration, "-1"}, {F::LeftConsideration, ""},
        {F::MoveNumber, "0"},           {F::MoveNumber, "32768"},      {F::MoveNumber, "2.5"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        pausedAfter(3);
        expectRefused(with(row.field, QString::fromUtf8(row.text)), row.field);
    }
}

TEST_F(CorrectionTest, ThePeriodIsZeroWhileMainTimeIsLeft) {
    pausedAfter(3);
    expectRefused(with(F::LeftPeriod, "1"), F::LeftPeriod);
    expectRefused(with(F::RightPeriod, "5"), F::RightPeriod);
}

TEST_F(CorrectionTest, ThePeriodRunsToOneSecondShortOfTheByoyomi) {
    pausedInByoyomi();
    expectRefused(with(F::LeftPeriod, "30"), F::LeftPeriod);
    expectRefused(with(F::LeftPeriod, "-1"), F::LeftPeriod);
    SignalLog log(game);
    EXPECT_EQ(game.correct(with(F::LeftPeriod, "29")), std::nullopt);
    EXPECT_EQ(log.names, QStringList{"periodChanged(Left)"});
    EXPECT_EQ(game.periodText(Side::Left), "29");
}

// A side in byoyomi given main time back starts a fresh period of its byoyomi length.
TEST_F(CorrectionTest, MainTimeGivenBackResetsThePeriod) {
    pausedInByoyomi();
    expectRefused(with(F::LeftMinutes, "1"), F::LeftPeriod); // the period still reads 12
    Correction correction = with(F::LeftMinutes, "1");
    correction.sides[0].periodSeconds = "0";
    SignalLog log(game);
    EXPECT_EQ(game.correct(correction), std::nullopt);
    EXPECT_EQ(log.names, (QStringList{"mainTimeChanged(Left)", "periodChanged(Left)"}));
    EXPECT_EQ(game.clock(Side::Left).periodElapsed, 0);
    EXPECT_EQ(game.clock(Side::Left).periodLength, 30);
    EXPECT_FALSE(game.clock(Side::Left).mainTimeOverAnnounced);
}

// In a consideration minute the period is a minute long; a minute or main time given back
// ends it.
TEST_F(CorrectionTest, AConsiderationMinuteKeepsItsSixtySecondsUntilTimeIsGivenBack) {
    pausedInByoyomi();
    game.resume();
    seconds(18 + 5); // the period runs out; 5 seconds into the minute
    game.pause();
    ASSERT_EQ(game.clock(Side::Left).periodLength, 60);
    EXPECT_EQ(game.correct(with(F::LeftPeriod, "59")), std::nullopt);
    EXPECT_EQ(game.clock(Side::Left).periodLength, 60);

    Correction minuteBack = with(F::LeftConsideration, "1");
    minuteBack.sides[0].periodSeconds = "30";
    expectRefused(minuteBack, F::LeftPeriod);
    minuteBack.sides[0].periodSeconds = "5";
    EXPECT_EQ(game.correct(minuteBack), std::nullopt);
    EXPECT_EQ(game.clock(Side::Left).periodLength, 30);
    game.resume();
    seconds(25); // the rest of the byoyomi, then the minute again
    EXPECT_EQ(game.clock(Side::Left).periodLength, 60);
    EXPECT_EQ(game.clock(Side::Left).periodElapsed, 0);
    game.pause();

    Correction correction = with(F::LeftSeconds, "10");
    correction.sides[0].periodSeconds = "0";
    EXPECT_EQ(game.correct(correction), std::nullopt);
    EXPECT_EQ(game.clock(Side::Left).periodLength, 30);
}

TEST_F(CorrectionTest, TheFirstBadFieldInTheDialogsOrderIsNamed) {
    pausedAfter(3);
    Correction correction = with(F::MoveNumber, "0");
    textOf(correction, F::RightHours) = "99";
    textOf(correction, F::LeftConsideration) = "11";
    textOf(correction, F::LeftHours) = "5"; // good, and not applied either
    expectRefused(correction, F::LeftConsideration);
}

TEST_F(CorrectionTest, MinutesLeftNeverExceedTheMinutesGranted) {
    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 15, 2, 30);
    pausedAfter(3, settings);
    EXPECT_EQ(game.correct(with(F::LeftConsideration, "5")), std::nullopt);
    EXPECT_EQ(game.clock(Side::Left).considerationGranted, Decimal(5));
    EXPECT_EQ(game.correct(with(F::LeftConsideration, "1")), std::nullopt);
    EXPECT_EQ(game.clock(Side::Left).considerationGranted, Decimal(5)); // one has been used
    EXPECT_EQ(game.clock(Side::Left).considerationLeft, Decimal(1));
}

TEST_F(CorrectionTest, ACorrectionPlaysNoClip) {
    pausedInByoyomi();
    Correction correction = game.currentCorrection();
    for (Correction::SideTimes& side : correction.sides)
        side = {"0", "0", "0", "0", "0"};
    correction.sides[0].periodSeconds = "29";
    correction.moveNumber = "100";
    correction.sideToMove = Side::Right;
    EXPECT_EQ(game.correct(correction), std::nullopt);
    EXPECT_TRUE(audio.log.empty());
}

TEST_F(CorrectionTest, OnlyAPausedGameIsCorrected) {
    const auto attempt = [this](const char* state) {
        SCOPED_TRACE(state);
        EXPECT_FALSE(game.correctable());
        const SideClock before = game.clock(Side::Left);
        SignalLog log(game);
        EXPECT_EQ(game.correct(with(F::LeftHours, "3")), std::nullopt);
        EXPECT_EQ(game.clock(Side::Left), before);
        EXPECT_TRUE(log.names.isEmpty());
    };
    attempt("no game");
    start();
    attempt("running");
    game.pause();
    EXPECT_TRUE(game.correctable());
    game.endGame(Outcome::Draw);
    attempt("over");

    GameSettings settings = defaultSettings();
    setSide(settings, Side::Left, 0, 0, 10);
    start(settings);
    seconds(10);
    ASSERT_TRUE(game.awaitingTimeOutAnswer());
    attempt("awaiting the time-out answer");
}

TEST_F(CorrectionTest, ResumingContinuesFromTheCorrectedValues) {
    pausedInByoyomi();
    Correction correction = with(F::LeftSeconds, "2");
    correction.sides[0].periodSeconds = "0";
    correction.moveNumber = "40";
    EXPECT_EQ(game.correct(correction), std::nullopt);
    game.resume();
    EXPECT_TRUE(seconds(1).empty());
    EXPECT_EQ(game.mainTimeText(Side::Left), "0:00:01");
    seconds(1);
    // Main time given back is announced again when it runs out.
    EXPECT_EQ(seconds(1), Clips{quick("Motitu.wav")});
    EXPECT_EQ(game.periodText(Side::Left), "1");

    game.endMove(Side::Left);
    EXPECT_EQ(game.moveNumber(), 41);
    EXPECT_EQ(game.sideToMove(), Side::Right);
    seconds(1);
    EXPECT_EQ(game.mainTimeText(Side::Right), "0:14:59");
}

TEST_F(CorrectionTest, TheResultSummaryShowsTheCorrectedValues) {
    pausedAfter(3);
    Correction correction = game.currentCorrection();
    correction.sides[0] = {"1", "2", "3", "0", "2.5"};
    correction.sides[1] = {"0", "0", "9", "0", "0"};
    correction.moveNumber = "57";
    EXPECT_EQ(game.correct(correction), std::nullopt);
    game.endGame(Outcome::Draw);
    const QStringList lines = game.summary().split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[2], "56手にて引き分け");
    EXPECT_EQ(lines[3], "残り時間　左 1:02:03(+2.5)");
    EXPECT_EQ(lines[4], "残り時間　右 0:00:09(+0)");
}
