// On a dark desktop theme every window stays readable: each text measured against what is
// drawn behind it, on the window as it is painted.

#include "gui/about_dialog.h"
#include "gui/clock_face.h"
#include "gui/correction_dialog.h"
#include "gui/key_settings_dialog.h"
#include "gui/keys_dialog.h"
#include "gui/main_window.h"
#include "gui/pause_dialog.h"
#include "gui/result_dialog.h"
#include "gui/settings_dialog.h"
#include "gui/toss_dialog.h"
#include "support/face_folder.h"
#include "support/game.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

QPalette darkPalette() {
    QPalette dark;
    const QColor text(0xE0, 0xE0, 0xE0);
    for (const auto& [role, colour] : {std::pair{QPalette::Window, QColor(0x2B, 0x2B, 0x2B)},
                                       {QPalette::WindowText, text},
                                       {QPalette::Base, QColor(0x1E, 0x1E, 0x1E)},
                                       {QPalette::Text, text},
                                       {QPalette::Button, QColor(0x3C, 0x3C, 0x3C)},
                                       {QPalette::ButtonText, text},
                                       {QPalette::Light, QColor(0x50, 0x50, 0x50)},
                                       {QPalette::Dark, QColor(0x18, 0x18, 0x18)}})
        dark.setColor(role, colour);
    return dark;
}

double luminance(QColor colour) {
    const auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The commonest colour of the area is its background; the colour farthest from it, the ink.
double textContrast(const QImage& area) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            ++counts[area.pixel(x, y)];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            std::tie(background, most) = std::pair{it.key(), it.value()};
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(QColor(it.key()), QColor(background)));
    return best;
}

QString shownText(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* box = qobject_cast<const QComboBox*>(control))
        return box->currentText();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(control))
        return edit->toPlainText();
    return {};
}

// Each enabled control that shows text inside the window, measured inside its frame.
void expectReadable(QWidget& window, const char* name) {
    window.show();
    QApplication::processEvents();
    const QImage drawn = window.grab().toImage();
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QRect area(control->mapTo(&window, QPoint()), control->size());
        if (shownText(control).trimmed().isEmpty() || !control->isVisibleTo(&window) ||
            !control->isEnabled() || !drawn.rect().contains(area))
            continue;
        const int frame = qobject_cast<const QLabel*>(control) ? 0 : 4;
        EXPECT_GE(textContrast(drawn.copy(area.adjusted(frame, frame, -frame, -frame))), 4.5)
            << name << " " << control->objectName().toStdString();
    }
}

class DarkPalette : public testing::Test {
protected:
    DarkPalette() { QApplication::setPalette(darkPalette()); }
    ~DarkPalette() override { QApplication::setPalette(light); }

    const QPalette light = QApplication::palette();
    FaceFolder folder;
    FakeServices fakes;
};

} // namespace

TEST_F(DarkPalette, EveryWindowKeepsItsTextReadable) {
    OwnedGame model{fakes.wallClock, fakes.audio};
    MainWindow w{model.game, model.record, fakes.services};
    ASSERT_TRUE(w.startUp());
    expectReadable(w, "main window");
    expectReadable(w.settings.get(), "settings");
    startGame(w);
    expectReadable(w, "main window in a game");
    PauseDialog& pause = w.pauseDialog.get();
    pause.showSnapshot();
    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> windows[] = {
        {"about", [&] { return std::make_unique<AboutDialog>(&w); }},
        {"keys", [&] { return std::make_unique<KeysDialog>(w.input().options(), &w); }},
        {"key settings", [&] { return std::make_unique<KeySettingsDialog>(w.input(), &w); }},
        {"correction",
         [&] { return std::make_unique<CorrectionDialog>(w.game(), fakes.messageBoxes, &pause); }},
        {"result",
         [&] { return std::make_unique<ResultDialog>("対局日\r\n結果", fakes.messageBoxes, &w); }},
        {"toss", [&] { return std::make_unique<TossDialog>(Side::Left, fakes.random, &w); }},
    };
    expectReadable(pause, "pause");
    for (const auto& [name, make] : windows) {
        const std::unique_ptr<QWidget> window = make();
        expectReadable(*window, name);
        window->hide();
    }
    pause.hide();
}
