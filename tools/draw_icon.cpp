// Draws the application's icon, the one the windows carry, for the desktop: a PNG file in each
// size of the hicolor theme and an SVG file, in the theme's layout under the given folder.
//
//   draw-icon data/icons/hicolor

#include "gui/widgets/app_icon.h"

#include <QApplication>
#include <QDir>
#include <QSvgGenerator>
#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256, 512};
// The SVG's own size; it scales to any.
constexpr int kSvgSize = 128;

bool savePng(const QDir& theme, int size) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    return theme.mkpath(folder) &&
           appIconPixmap(size).save(theme.filePath(folder + "/shogi-clock.png"));
}

bool saveSvg(const QDir& theme) {
    if (!theme.mkpath(QStringLiteral("scalable/apps")))
        return false;
    QSvgGenerator svg;
    svg.setFileName(theme.filePath(QStringLiteral("scalable/apps/shogi-clock.svg")));
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("shogi-clock"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    paintAppIcon(p, kSvgSize);
    return p.end();
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-icon <folder>\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    bool ok = saveSvg(theme);
    for (int size : kSizes)
        ok = savePng(theme, size) && ok;
    return ok ? 0 : 1;
}
