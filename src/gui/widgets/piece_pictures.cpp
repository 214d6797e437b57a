#include "gui/widgets/piece_pictures.h"

#include <QFileInfo>

namespace {

constexpr const char* kSentePicture = "bmp/Skoma.bmp";
constexpr const char* kGotePicture = "bmp/Gkoma.bmp";

// A FIFO or a device in place of a picture would block the read for good.
QPixmap readPicture(const QString& path) {
    return QFileInfo(path).isFile() ? QPixmap(path) : QPixmap();
}

} // namespace

std::variant<PiecePictures, QString> PiecePictures::read() {
    PiecePictures pictures;
    for (auto [pixmap, path] :
         {std::pair{&pictures.sente, kSentePicture}, {&pictures.gote, kGotePicture}}) {
        *pixmap = readPicture(QString::fromUtf8(path));
        if (pixmap->isNull())
            return QString::fromUtf8(path);
    }
    return pictures;
}
