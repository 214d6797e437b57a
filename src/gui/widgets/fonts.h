#pragma once

#include <QFont>

// The faces the layouts were designed with; each maps to a free substitute of the same
// kind, at the designed size and weight.
enum class Face { MsPMincho, MsPGothic, MsGothic, Consolas, Default };

struct FontSpec {
    Face face = Face::Default;
    double points = 9;
    bool bold = false;
};

// The window's default font, for the controls that were given none.
inline constexpr FontSpec kDefaultFont{Face::Default, 9, false};

QFont fontFor(const FontSpec& spec);

// The application's default font, a 9-point Japanese gothic, as on the designing system.
void installDefaultFont();

// Says on stderr when no installed font covers Japanese, as every text would show as boxes.
void warnWithoutJapaneseFont();
