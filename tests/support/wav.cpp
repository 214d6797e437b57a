#include "support/wav.h"

#include <QtEndian>
#include <cmath>
#include <numbers>

namespace {

void append32(QByteArray& out, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

void append16(QByteArray& out, quint16 v) {
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

} // namespace

QByteArray toneWav(double seconds, int rate, double hertz) {
    const auto frames = static_cast<quint32>(std::lround(seconds * rate));
    QByteArray out("RIFF");
    append32(out, 36 + frames * 2);
    out.append("WAVEfmt ");
    append32(out, 16);
    append16(out, 1); // PCM
    append16(out, 1); // mono
    append32(out, static_cast<quint32>(rate));
    append32(out, static_cast<quint32>(rate) * 2);
    append16(out, 2);
    append16(out, 16);
    out.append("data");
    append32(out, frames * 2);
    for (quint32 i = 0; i < frames; ++i) {
        const double phase = 2 * std::numbers::pi * hertz * i / rate;
        append16(out, static_cast<quint16>(static_cast<qint16>(12000 * std::sin(phase))));
    }
    return out;
}
