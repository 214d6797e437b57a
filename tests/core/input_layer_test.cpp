#include "core/input_layer.h"
#include "model_test.h"

namespace {

// Keys no window uses, as a pedal would send them.
constexpr int kLeft = Qt::Key_F13, kRight = Qt::Key_PageDown, kPause = Qt::Key_P,
              kResume = Qt::Key_F2, kSettings = Qt::Key_S, kResign = Qt::Key_F4, kDraw = Qt::Key_F5,
              kFull = Qt::Key_F11, kUnbound = Qt::Key_A;

class InputLayerTest : public ModelTest {
protected:
    InputLayer input{game,
                     {{kLeft, Command::EndMoveLeft},
                      {kRight, Command::EndMoveRight},
                      {kPause, Command::Pause},
                      {kResume, Command::Resume},
                      {kSettings, Command::OpenSettings},
                      {kResign, Command::Resign},
                      {kDraw, Command::RepetitionDraw},
                      {kFull, Command::FullScreen}}};
};

enum class Step { NoGame, Running, Paused, RanOut, Ended };

struct Row {
    Step step;
    int key;
    std::optional<Command> command;
};

const Row kRows[] = {
    {Step::NoGame, kSettings, Command::OpenSettings},
    {Step::NoGame, kLeft, {}},
    {Step::NoGame, kPause, {}},
    {Step::NoGame, kResign, {}},
    {Step::NoGame, kFull, Command::FullScreen},
    {Step::NoGame, kUnbound, {}},
    {Step::Running, kLeft, Command::EndMoveLeft},
    {Step::Running, kRight, Command::EndMoveRight},
    {Step::Running, kPause, Command::Pause},
    {Step::Running, kResume, {}},
    {Step::Running, kSettings, {}},
    {Step::Running, kResign, Command::Resign},
    {Step::Running, kDraw, Command::RepetitionDraw},
    {Step::Paused, kPause, Command::Resume}, // the same key toggles
    {Step::Paused, kResume, Command::Resume},
    {Step::Paused, kLeft, {}},
    {Step::Paused, kSettings, {}},
    {Step::RanOut, kPause, {}}, // until the question is answered
    {Step::RanOut, kResign, {}},
    {Step::Ended, kPause, {}},
    {Step::Ended, kSettings, Command::OpenSettings},
};

} // namespace

TEST_F(InputLayerTest, EachKeyGivesItsCommandOnlyWhereTheGameOffersIt) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(testing::Message() << "step " << int(row.step) << ", key " << row.key);
        game.abandon();
        if (row.step != Step::NoGame)
            start();
        if (row.step == Step::Paused)
            game.pause();
        if (row.step == Step::RanOut)
            seconds(15 * 60 + 30 + 10 * 60);
        if (row.step == Step::Ended)
            game.resign();
        ASSERT_EQ(game.awaitingTimeOutAnswer(), row.step == Step::RanOut);
        EXPECT_EQ(input.command({row.key, false, 1000}), row.command);
        EXPECT_FALSE(input.isHeldRepeat({row.key, false, 1000}));
        // A repeat is never a press, marked or told by its release's timestamp.
        input.released({row.key, false, 2000});
        for (const KeyStroke repeat : {KeyStroke{row.key, true, 1500}, {row.key, false, 2000}}) {
            EXPECT_EQ(input.command(repeat), std::nullopt);
            EXPECT_EQ(input.isHeldRepeat(repeat), row.key != kUnbound);
        }
        EXPECT_EQ(input.command({row.key, false, 2001}), row.command) << "pressed again";
        input.released({row.key, false, 0}); // made by a program: no time to go by
        EXPECT_EQ(input.command({row.key, false, 0}), row.command);
    }
}
