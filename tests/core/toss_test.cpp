#include "core/random_source.h"
#include "core/toss.h"
#include "support/fakes.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <random>

namespace {

using Faces = std::array<int, 3>; // per piece: 0 the pawn face, 1 the promoted face

// Draws the given faces, in order.
void drawNext(ScriptedRandom& random, Faces faces) {
    for (const int face : faces)
        random.numbers.push_back(face * 0.5 + 0.2);
}

// Notes each seeding and each number drawn, in order.
class LoggingRandom final : public RandomSource {
public:
    QStringList log;
    void seedFromClock() override { log << "seed"; }
    double next() override {
        log << "draw";
        return 0;
    }
};

// Uniform numbers from a fixed seed, so that the odds are measured the same on every run.
class UniformRandom final : public RandomSource {
public:
    void seedFromClock() override {}
    double next() override { return std::uniform_real_distribution<double>(0, 1)(engine_); }

private:
    std::mt19937_64 engine_{20261208};
};

} // namespace

TEST(Toss, PiecesRestLeftThenRightThenMiddleOnTheFaceTheyDrew) {
    for (const Faces faces : {Faces{0, 0, 0}, Faces{1, 1, 1}, Faces{0, 1, 1}, Faces{1, 0, 0}}) {
        ScriptedRandom random;
        drawNext(random, faces);
        Toss toss;
        toss.start(random);
        Faces restedAt{};
        int step = 0;
        bool allResting = false;
        while (!allResting && step < 200) {
            allResting = toss.step();
            ++step;
            for (std::size_t i = 0; i < 3; ++i) {
                const Toss::Piece& piece = toss.pieces()[i];
                if (!restedAt[i] && piece.count >= piece.end)
                    restedAt[i] = step;
            }
        }
        // Pieces 0, 1 and 2 lie left, middle and right; a promoted face takes half a turn more.
        EXPECT_EQ(restedAt[0], 64 + 4 * faces[0]);
        EXPECT_EQ(restedAt[2], 72 + 4 * faces[2]);
        EXPECT_EQ(restedAt[1], 87 + 4 * faces[1]);
        EXPECT_EQ(step, restedAt[1]); // all rest on the step the middle one does
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(toss.pieces()[i].face, faces[i]);
            EXPECT_EQ(toss.pieces()[i].frame, 4 * faces[i]); // frame 0 pawn, frame 4 promoted
        }
        EXPECT_TRUE(toss.step()); // at rest, a further step turns nothing
        EXPECT_EQ(toss.pieces()[1].frame, 4 * faces[1]);
    }
}

TEST(Toss, TheGeneratorIsSeededAgainJustBeforeTheThirdDraw) {
    LoggingRandom random;
    Toss toss;
    toss.start(random);
    EXPECT_EQ(random.log, (QStringList{"draw", "draw", "seed", "draw"}));
}

TEST(Toss, TheCountOfPromotedFacesGivesTheOutcomeAndTheFirstPlayer) {
    const struct {
        Faces faces;
        int promoted;
        const char* line1;
        const char* line2;
        bool tosserFirst;
    } rows[] = {
        {{0, 0, 0}, 0, "歩が３枚出ました", "（振った方が先手）", true},
        {{0, 0, 1}, 1, "歩が２枚、とが１枚出ました", "（振った方が先手）", true},
        {{1, 1, 0}, 2, "とが２枚、歩が１枚出ました", "（振った方が後手）", false},
        {{1, 1, 1}, 3, "とが３枚出ました", "（振った方が後手）", false},
    };
    for (const auto& row : rows) {
        ScriptedRandom random;
        drawNext(random, row.faces);
        Toss toss;
        toss.start(random);
        EXPECT_EQ(toss.promotedFaces(), row.promoted);
        EXPECT_EQ(outcomeLine1(toss.promotedFaces()), QString::fromUtf8(row.line1));
        EXPECT_EQ(outcomeLine2(toss.promotedFaces()), QString::fromUtf8(row.line2));
        EXPECT_EQ(toss.tosserMovesFirst(), row.tosserFirst) << row.promoted;
    }
}

TEST(Toss, TheTossingSideMovesFirstAboutHalfTheTime) {
    UniformRandom random;
    int first = 0;
    const int tosses = 10'000;
    for (int i = 0; i < tosses; ++i) {
        Toss toss;
        toss.start(random);
        first += toss.tosserMovesFirst() ? 1 : 0;
    }
    EXPECT_GT(first, tosses * 45 / 100);
    EXPECT_LT(first, tosses * 55 / 100);
}
