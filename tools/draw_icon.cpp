// Draws the application's icon, the one the windows carry, to a PNG file for the desktop
// menu entry.
//
//   draw-icon data/icons/shogi-clock.png

#include "platform/app_icon.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-icon <png>\n");
        return 2;
    }
    return appIconPixmap(128).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
