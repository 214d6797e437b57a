#include "clock/main_window.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/random_source.h"
#include "platform/sdl_audio_device.h"
#include "platform/wall_clock.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installDefaultFont();
    SystemWallClock wallClock;
    QtMessageBoxes messageBoxes;
    SdlAudioDevice mmctl;
    QtProcess process;
    ClockSeededRandom random;
    Platform platform{wallClock, messageBoxes, mmctl, process, random};
    frmMain window(platform);
    if (!window.Form_Load())
        return EXIT_FAILURE;
    window.show();
    return app.exec();
}
