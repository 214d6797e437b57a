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

namespace {

constexpr int kPedalLeft = Qt::Key_F14, kPedalRight = Qt::Key_F15;
const InputOptions kPedals{{std::vector{kPedalLeft, kUnbound}, std::vector{kPedalRight}}, true};

} // namespace

// Remapped, the new keys end the moves and are one press held down; the old ones do nothing.
TEST_F(InputLayerTest, RemappedMoveKeysTakeThePlaceOfTheOldOnes) {
    EXPECT_EQ(input.options(), (InputOptions{{std::vector{kLeft}, std::vector{kRight}}, false}));
    input.setOptions(kPedals);
    EXPECT_EQ(input.options(), kPedals);
    start();
    const std::pair<int, std::optional<Command>> rows[] = {{kPedalLeft, Command::EndMoveLeft},
                                                           {kUnbound, Command::EndMoveLeft},
                                                           {kPedalRight, Command::EndMoveRight},
                                                           {kLeft, {}},
                                                           {kPause, Command::Pause}};
    std::uint64_t time = 1000;
    for (const auto& [key, command] : rows) {
        EXPECT_EQ(input.command({key, false, time += 1000}), command) << key;
        EXPECT_EQ(input.isHeldRepeat({key, true, time}), command.has_value()) << key;
    }
}

namespace {

struct Press {
    Side side;
    std::uint64_t ms;
    bool tap = false; // on the side's half, or its key
};

const struct {
    const char* what;
    std::vector<Press> presses;
    int moves;
} kBounceRows[] = {
    {"149 ms apart", {{Side::Left, 1000}, {Side::Left, 1149}}, 1},
    {"150 ms apart", {{Side::Left, 1000}, {Side::Left, 1150}}, 2},
    {"a chatter, from its last press",
     {{Side::Left, 1000}, {Side::Left, 1100}, {Side::Left, 1200}},
     1},
    {"the other side moved between",
     {{Side::Left, 1000}, {Side::Right, 1050}, {Side::Left, 1100}},
     2},
    {"a tap and a key", {{Side::Left, 1000, true}, {Side::Left, 1100}}, 1},
    {"made by a program, no time", {{Side::Left, 0}, {Side::Left, 0}}, 2},
    {"a clock set back", {{Side::Left, 5000}, {Side::Left, 1000}}, 2},
};

} // namespace

TEST_F(InputLayerTest, ASidesPressesWithin150MsAreOne) {
    for (const auto& row : kBounceRows) {
        InputLayer fresh{game, {{kLeft, Command::EndMoveLeft}, {kRight, Command::EndMoveRight}}};
        fresh.setOptions({fresh.options().moveKeys, true});
        game.abandon();
        start();
        int moves = 0;
        for (const Press& press : row.presses) {
            const int key = press.side == Side::Left ? kLeft : kRight;
            if (press.tap ? fresh.tap(press.side, press.ms)
                          : fresh.command({key, false, press.ms})) {
                ++moves;
                game.endMove(press.side);
            }
        }
        EXPECT_EQ(moves, row.moves) << row.what;
    }
}

TEST_F(InputLayerTest, ATapEndsTheMoveOfTheSideToMoveOnItsOwnHalfOnly) {
    enum class Game { None, LeftToMove, RightToMove, Paused };
    const struct {
        bool tapOn;
        Game game;
        Side half;
        std::optional<Command> command;
    } rows[] = {
        {false, Game::LeftToMove, Side::Left, {}},
        {true, Game::LeftToMove, Side::Left, Command::EndMoveLeft},
        {true, Game::LeftToMove, Side::Right, {}}, // never the opponent's move
        {true, Game::RightToMove, Side::Right, Command::EndMoveRight},
        {true, Game::RightToMove, Side::Left, {}},
        {true, Game::None, Side::Left, {}},
        {true, Game::Paused, Side::Left, {}},
    };
    std::uint64_t time = 1000;
    for (const auto& row : rows) {
        game.abandon();
        if (row.game != Game::None)
            start();
        if (row.game == Game::RightToMove)
            game.endMove(Side::Left);
        if (row.game == Game::Paused)
            game.pause();
        input.setOptions({input.options().moveKeys, row.tapOn});
        EXPECT_EQ(input.tap(row.half, time += 1000), row.command)
            << row.tapOn << ' ' << int(row.game) << ' ' << int(row.half);
    }
}
