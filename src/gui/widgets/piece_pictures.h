#pragma once

#include <QPixmap>
#include <QString>
#include <variant>

// The sente and gote piece pictures of the working folder, read afresh for each showing.
struct PiecePictures {
    QPixmap sente;
    QPixmap gote;

    // Both pictures, or the path of the first one that can't be read.
    static std::variant<PiecePictures, QString> read();
};
