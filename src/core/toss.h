#pragma once

#include <QString>
#include <array>

class RandomSource;

// The toss of three pieces, step by step. Each piece turns a frame per step (eight frames a
// full turn, frame 0 the pawn face, frame 4 the promoted face) until it has taken its number
// of steps, chosen so that it rests on the face it drew: the left piece first, then the right,
// then the middle.
class Toss {
public:
    struct Piece {
        int count = 0; // steps taken
        int end = 0;   // steps after which it rests
        int frame = 0; // 0 ... 7
        int face = 0;  // 0 the pawn face, 1 the promoted face
    };

    // Draws the three faces; the generator is seeded again just before the third.
    void start(RandomSource& random);
    // Turns every piece that is not yet at rest; true once all three are.
    bool step();

    const std::array<Piece, 3>& pieces() const { return pieces_; }
    // How many pieces show the promoted face.
    int promotedFaces() const;
    // Whether the side that tossed moves first: pawn faces in the majority.
    bool tosserMovesFirst() const { return promotedFaces() <= 1; }

private:
    std::array<Piece, 3> pieces_{};
};

// The two lines that state the outcome.
QString outcomeLine1(int promotedFaces);
QString outcomeLine2(int promotedFaces);
