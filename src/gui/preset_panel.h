#pragma once

#include "core/game_settings_file.h"

#include <QWidget>
#include <functional>

class MessageBoxes;
class QListWidget;
class QListWidgetItem;
class QPushButton;
struct StoredSettings;

// The settings window's presets: the built-in time controls, then the user's, which the
// settings file keeps. Choosing one fills the window's fields; "保存" keeps the fields as
// they stand under a name the user types, "削除" removes one of the user's.
class PresetPanel : public QWidget {
    Q_OBJECT
public:
    PresetPanel(StoredSettings& stored, std::function<GameSettings()> current,
                MessageBoxes& messageBoxes, QWidget* parent);

    QListWidget* list = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* deleteButton = nullptr;

    // Keeps the fields under the name, in place of a preset of the user's of that name.
    void save(const QString& name);
    void deleteChosen();

signals:
    void chosen(const GameSettings& settings);

private:
    void choose(const QListWidgetItem* item);
    void askName();
    void showPresets(const QString& current);
    // The user's preset in the list's row, if it is one.
    std::optional<std::size_t> usersRow(int row) const;
    void store();

    StoredSettings& stored_;
    const std::vector<Preset> builtIn_;
    std::function<GameSettings()> current_;
    MessageBoxes& messageBoxes_;
};
