#include "clock/main_window.h"
#include "platform/command_line.h"
#include "platform/fonts.h"
#include "platform/system_platform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    describeApplication();
    // Before QApplication, which needs a display that --help and --version don't.
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    installDefaultFont();
    warnWithoutJapaneseFont();
    SystemPlatform system;
    frmMain window(system.platform);
    if (!window.Form_Load())
        return EXIT_FAILURE;
    window.show();
    return app.exec();
}
