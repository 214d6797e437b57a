#pragma once

#include "core/queued_audio.h"
#include "gui/services.h"
#include "gui/widgets/message_box.h"
#include "system/clock_seeded_random.h"
#include "system/qt_process.h"
#include "system/sdl_audio_device.h"
#include "system/system_wall_clock.h"

// The real services of the running program, put together here rather than in system/, which
// knows the model's interfaces and nothing of the windows: the system's clock, Qt's message
// boxes, the SDL audio device played from a thread of its own, the process and a clock-seeded
// random source.
struct SystemServices {
    SystemWallClock wallClock;
    QtMessageBoxes messageBoxes;
    SdlAudioDevice speaker;
    QueuedAudio audio{speaker};
    QtProcess process;
    ClockSeededRandom random;
    Services services{wallClock, messageBoxes, audio, process, random};
};
