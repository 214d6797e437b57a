#include <QDir>
#include <QFile>
#include <QStringList>
#include <SDL.h>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct Clip {
    SDL_AudioSpec spec{};
    QByteArray samples;
    double seconds() const { return samples.size() / 2.0 / spec.freq; }
};

std::optional<Clip> load(const QString& name) {
    const QString path = QDir(QStringLiteral(SHOGI_CLOCK_DATA_DIR "/sound")).filePath(name);
    Clip clip;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(QFile::encodeName(path).constData(), &clip.spec, &samples, &length))
        return std::nullopt;
    clip.samples = QByteArray(reinterpret_cast<const char*>(samples), qsizetype(length));
    SDL_FreeWAV(samples);
    return clip;
}

// prefix + two-digit n + suffix, for n from .. to.
QStringList numbered(const QString& prefix, int from, int to, const QString& suffix) {
    QStringList names;
    for (int n = from; n <= to; ++n)
        names << prefix + QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')) + suffix;
    return names;
}

} // namespace

TEST(BundledClips, EveryClipTheReadersNameIsThereInOneFormat) {
    const QStringList countdown = numbered("", 1, 10, ".wav");
    const QStringList marks = {"10b.wav", "20b.wav", "25b.wav", "30b.wav",
                               "40b.wav", "50b.wav", "55b.wav"};
    const QStringList names =
        countdown + marks + numbered("", 1, 10, "kaime.wav") + numbered("Nokori", 0, 9, ".wav") +
        numbered("", 2, 9, "y1.wav") +
        QStringList{"Motitu.wav",     "00.wav",         "01yt1.wav",       "10y1.wav",
                    "10yt1.wav",      "100y1.wav",      "Tenite.wav",      "S-kati.wav",
                    "G-kati.wav",     "Hikiwake.wav",   "Yoroone.wav",     "Nokori5fun.wav",
                    "Nokori3fun.wav", "Nokori1fun.wav", "Nokori30byo.wav", "Nokori20byo.wav"};
    EXPECT_EQ(names.size(), 61);
    for (const QString& name : names) {
        const auto clip = load(name);
        ASSERT_TRUE(clip) << name.toStdString();
        EXPECT_EQ(clip->spec.freq, 22050) << name.toStdString();
        EXPECT_EQ(clip->spec.channels, 1) << name.toStdString();
        EXPECT_EQ(clip->spec.format, AUDIO_S16LSB) << name.toStdString();
        // A count, or a mark of the seconds, must be said well within its second.
        if (countdown.contains(name)) {
            EXPECT_LE(clip->seconds(), 0.7) << name.toStdString();
        }
        if (marks.contains(name)) {
            EXPECT_LE(clip->seconds(), 0.9) << name.toStdString();
        }
    }
}

// Ten before a units digit runs on into it, quicker than the ten that ends a number.
TEST(BundledClips, TheTenBeforeADigitIsSaidQuickerThanTheFinalTen) {
    const auto goesOn = load("10y1.wav");
    const auto ends = load("10yt1.wav");
    ASSERT_TRUE(goesOn && ends);
    EXPECT_LT(goesOn->seconds() + 0.02, ends->seconds());
}
