#include "clock/main_window.h"
#include "platform/fonts.h"
#include "platform/system_platform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installDefaultFont();
    SystemPlatform system;
    frmMain window(system.platform);
    if (!window.Form_Load())
        return EXIT_FAILURE;
    window.show();
    return app.exec();
}
