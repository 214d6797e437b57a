#pragma once

#include "platform/reusable_dialog.h"

#include <optional>

class frmMain;
class frmSub;

// The settings dialog as the other windows use it: loaded on first use, shown modally,
// hidden and kept with every field when a game starts, unloaded by F1 or its close box so
// that the next use starts afresh. Fg, the dialog's public variable, keeps its value for the
// whole run, also while the dialog is unloaded.
class SettingsDialog {
public:
    explicit SettingsDialog(frmMain& main);
    ~SettingsDialog();

    // True when the toss was started by side 1's button, false by side 2's.
    bool Fg = false;

    // The dialog, loaded first if it is not.
    frmSub& form();
    bool isLoaded() const { return form_.isLoaded(); }
    // Shows the dialog modally, first setting its outer height when one is given.
    void showModal(std::optional<int> outerHeightTwips);

    // Selects the colours opposite to those of a game, for its replay. The game's own
    // colours are passed in because the dialog may have been unloaded since it started.
    void reverseColours(bool side1Sente);

private:
    LoadedOnUse<frmSub> form_;
};
