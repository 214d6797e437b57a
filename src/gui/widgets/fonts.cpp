#include "gui/widgets/fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <cmath>
#include <cstdio>

namespace {

QString familyOf(Face face) {
    switch (face) {
    case Face::MsPMincho:
        return QStringLiteral("Noto Serif CJK JP");
    case Face::Consolas:
        return QStringLiteral("Inconsolata");
    case Face::MsPGothic:
    case Face::MsGothic:
    case Face::Default:
        break;
    }
    return QStringLiteral("Noto Sans CJK JP");
}

} // namespace

QFont fontFor(const FontSpec& spec) {
    QFont font(familyOf(spec.face));
    // Pixel sizes keep the text in proportion to the twips layout whatever the screen's dpi.
    font.setPixelSize(static_cast<int>(std::lround(spec.points * 96.0 / 72.0)));
    font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
    return font;
}

void installDefaultFont() {
    QApplication::setFont(fontFor(kDefaultFont));
}

void warnWithoutJapaneseFont() {
    if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty())
        std::fputs("shogi-clock: no font covering Japanese was found, so the Japanese text "
                   "shows as empty boxes; install fonts-noto-cjk or another Japanese font\n",
                   stderr);
}
