#include "voice/sound_player.h"

#include "platform/audio_device.h"

SoundPlayer::SoundPlayer(AudioDevice& mmctl)
    : mmctl_(mmctl) {}

void SoundPlayer::Yomiage(const QString& clip) {
    play(clip, false);
}

void SoundPlayer::Yomiage2(const QString& clip) {
    play(clip, true);
}

void SoundPlayer::play(const QString& clip, bool wait) {
    // The wait flag holds for one step, so it is set again before each.
    const auto step = [&](auto&& action) {
        if (wait)
            mmctl_.setWait(true);
        action();
    };
    step([&] { mmctl_.command(AudioCommand::Close); });
    step([&] { mmctl_.setFileName(clip); });
    step([&] { mmctl_.command(AudioCommand::Open); });
    step([&] { mmctl_.command(AudioCommand::Prev); });
    step([&] { mmctl_.command(AudioCommand::Play); });
}

QString clipPath(const QString& file) {
    return QStringLiteral("sound/") + file;
}
