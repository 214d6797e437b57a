#include "gui/main_window.h"
#include "gui/widgets/fonts.h"
#include "system/command_line.h"
#include "system/system_services.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    describeApplication();
    // Before QApplication, which needs a display that --help and --version don't.
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    QApplication app(argc, argv);
    installDefaultFont();
    warnWithoutJapaneseFont();
    SystemServices system;
    MainWindow window(system.services);
    if (!window.startUp())
        return EXIT_FAILURE;
    window.show();
    return app.exec();
}
