#include "support/face_folder.h"

#include <QDir>
#include <QImage>

FaceFolder::FaceFolder() {
    QDir().mkdir(QStringLiteral("bmp"));
    QImage picture(201, 209, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    picture.save(path(QStringLiteral("bmp/Skoma.bmp")), "BMP");
    picture.fill(Qt::yellow);
    picture.save(path(QStringLiteral("bmp/Gkoma.bmp")), "BMP");
}
