#include "core/announcer.h"
#include "core/number_text.h"
#include "model_test.h"

namespace {

using Log = std::vector<QString>;

// The clips that followed one another, by name without ".wav", each waited for.
QStringList waitedNames(const RecordingAudioDevice& audio) {
    QStringList names;
    for (const Clip& clip : audio.clips()) {
        EXPECT_TRUE(clip.waited) << clip.path.toStdString();
        names << clip.path.mid(6).chopped(4); // "sound/" ... ".wav"
    }
    return names;
}

} // namespace

TEST(Announcer, AsksForEachClipInTheSoundFolderWaitedForOrNot) {
    RecordingAudioDevice audio;
    Announcer announcer(audio);
    announcer.countedSecond("01.wav");
    announcer.timeOut();
    EXPECT_EQ(audio.log, (Log{"play sound/01.wav", "wait sound/10.wav"}));
}

TEST(Announcer, ASilentSecondSaysNothing) {
    RecordingAudioDevice audio;
    Announcer(audio).countedSecond("");
    EXPECT_TRUE(audio.log.empty());
}

TEST(Announcer, AConsiderationMinuteWithoutAnOrdinalClipStillCutsOffWhatSounded) {
    RecordingAudioDevice audio;
    Announcer(audio).considerationMinuteTaken(Decimal(0), Decimal(11));
    EXPECT_EQ(audio.clips(), (Clips{{"", true}, quick("Nokori00.wav")}));
}

TEST(Announcer, TheResultSaysTheCountTeniteAndWhoWon) {
    const struct {
        std::optional<Decimal> moves;
        Outcome outcome;
        QStringList clips;
    } rows[] = {
        {Decimal(97), Outcome::SenteWins, {"09y1", "10y1", "07y1", "Tenite", "S-kati"}},
        {Decimal(120), Outcome::GoteWins, {"100y1", "02y1", "10yt1", "Tenite", "G-kati"}},
        {Decimal(0), Outcome::Draw, {"00", "Tenite", "Hikiwake"}},
        {Decimal(1000), Outcome::SenteWins, {"Tenite", "S-kati"}},
        {Decimal(5), Outcome::None, {"05y1", "Tenite"}}, // no result: nothing after 手にて
    };
    for (const auto& row : rows) {
        RecordingAudioDevice audio;
        Announcer(audio).result(row.moves, row.outcome);
        EXPECT_EQ(waitedNames(audio), row.clips) << row.clips.join(' ').toStdString();
    }
}

// The main window's test button says what is typed in its box as a sente win.
TEST(Announcer, TheTestButtonSaysTheTypedNumberThenTheResult) {
    const struct {
        const char* typed;
        QStringList clips;
    } rows[] = {
        {"35", {"03y1", "10y1", "05y1", "Tenite", "S-kati"}},
        {"abc", {"Tenite", "S-kati"}},
        {"", {"Tenite", "S-kati"}},
    };
    for (const auto& row : rows) {
        RecordingAudioDevice audio;
        Announcer(audio).result(toDecimal(QString::fromUtf8(row.typed)), Outcome::SenteWins);
        EXPECT_EQ(waitedNames(audio), row.clips) << row.typed;
    }
}
