#pragma once

#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/process.h"
#include "platform/random_source.h"
#include "platform/sdl_audio_device.h"
#include "platform/wall_clock.h"

// The real services of the running program: the system's clock, Qt's message boxes, the SDL
// audio device, the process and a clock-seeded random source.
struct SystemPlatform {
    SystemWallClock wallClock;
    QtMessageBoxes messageBoxes;
    SdlAudioDevice mmctl;
    QtProcess process;
    ClockSeededRandom random;
    Platform platform{wallClock, messageBoxes, mmctl, process, random};
};
