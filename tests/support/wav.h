#pragma once

#include <QByteArray>

// A 16-bit mono WAV file of a sine tone, for tests that play real audio.
QByteArray toneWav(double seconds, int rate = 22050, double hertz = 440);
