// Renders the clock's windows offscreen to PNG files in the given folder, started in a
// working folder that holds bmp/ (and a players file), so the layouts can be looked at.
//
//   cd data && ../build/tools/snapshot-windows /tmp/shots

#include "about/about_window.h"
#include "clock/main_window.h"
#include "furigoma/furigoma_window.h"
#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/system_platform.h"
#include "platform/ui_timer.h"
#include "platform/window_geometry.h"
#include "play/pause_window.h"
#include "result/result_window.h"
#include "settings/sub_window.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

bool save(QWidget* window, const QDir& folder, const char* name) {
    window->show();
    QApplication::processEvents();
    return window->grab().save(folder.filePath(QString::fromUtf8(name) + ".png"));
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installDefaultFont();
    if (argc != 2) {
        std::fprintf(stderr, "usage: snapshot-windows <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    SystemPlatform system;
    frmMain main(system.platform);
    if (!main.Form_Load())
        return 1;
    frmAbout about(&main);
    bool ok = save(&main, folder, "frmMain") && save(&about, folder, "frmAbout");
    frmSub& sub = main.settings.form();
    for (const auto& [height, name] : {std::pair{5200, "frmSub-5200"}, {6050, "frmSub-6050"}}) {
        setOuterHeight(&sub, height);
        ok = ok && save(&sub, folder, name);
        sub.hide();
    }
    sub.cmdOK_Click(); // a game with the dialog's defaults, to fill the game windows
    main.c1 = 97;
    main.Tkekka = QStringLiteral("先手 ") + main.Lblna1->text() + QStringLiteral("の勝ち(投了)");
    frmTyuudan& pause = main.pauseWindow.get();
    pause.fill();
    frmFin fin(main);
    ok = ok && save(&pause, folder, "frmTyuudan") && save(&fin, folder, "frmFin");

    // The piece toss at a few steps of its animation, driven step by step.
    frmFurigoma toss(main);
    toss.tmrAni->setEnabled(false);
    int step = 0;
    for (const int shot : {0, 1, 2, 3, 30, 66, 74, 91}) {
        for (; step < shot && !toss.tmrStop->enabled(); ++step)
            toss.tmrAni_Timer();
        ok = ok && save(&toss, folder, qPrintable(QStringLiteral("frmFurigoma-%1").arg(shot)));
    }
    return ok ? 0 : 1;
}
