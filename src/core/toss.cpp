#include "core/toss.h"

#include "core/random_source.h"

namespace {

int drawFace(RandomSource& random) {
    return static_cast<int>(2 * random.next());
}

// A piece starting at the given count and frame, with the steps that bring it to rest on
// frame 0 for the pawn face or frame 4 for the promoted face.
Toss::Piece piece(int count, int frame, int face, int pawnEnd) {
    return {count, pawnEnd + 4 * face, frame, face};
}

} // namespace

void Toss::start(RandomSource& random) {
    pieces_[0] = piece(0, 0, drawFace(random), 64);
    pieces_[1] = piece(1, 1, drawFace(random), 88);
    random.seedFromClock();
    pieces_[2] = piece(0, 0, drawFace(random), 72);
}

bool Toss::step() {
    bool resting = true;
    for (Piece& p : pieces_) {
        if (p.count < p.end) {
            ++p.count;
            p.frame = (p.frame + 1) % 8;
        }
        resting = resting && p.count >= p.end;
    }
    return resting;
}

int Toss::promotedFaces() const {
    return pieces_[0].face + pieces_[1].face + pieces_[2].face;
}

QString outcomeLine1(int promotedFaces) {
    static const char* const lines[] = {"歩が３枚出ました", "歩が２枚、とが１枚出ました",
                                        "とが２枚、歩が１枚出ました", "とが３枚出ました"};
    return QString::fromUtf8(lines[promotedFaces]);
}

QString outcomeLine2(int promotedFaces) {
    return promotedFaces <= 1 ? QStringLiteral("（振った方が先手）")
                              : QStringLiteral("（振った方が後手）");
}
