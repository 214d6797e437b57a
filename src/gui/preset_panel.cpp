#include "gui/preset_panel.h"

#include "core/settings_file.h"
#include "core/time_control_presets.h"
#include "gui/stored_settings.h"
#include "gui/widgets/label.h"
#include "gui/widgets/message_box.h"
#include "gui/widgets/window_geometry.h"

#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr FontSpec kGothic9{Face::MsGothic, 9, false};

} // namespace

PresetPanel::PresetPanel(StoredSettings& stored, std::function<GameSettings()> current,
                         MessageBoxes& messageBoxes, QWidget* parent)
    : QWidget(parent)
    , stored_(stored)
    , builtIn_(builtInPresets())
    , current_(std::move(current))
    , messageBoxes_(messageBoxes) {
    makeLabel(this, {"lblPresets", "プリセット", kGothic9, table_alignment::L, {0, 0, 1500, 255}});
    list = place(new QListWidget(this), "lstPresets", {0, 300, 3720, 1320});
    list->setFont(fontFor(kGothic9));
    saveButton =
        place(new QPushButton(QStringLiteral("保存"), this), "cmdSavePreset", {0, 1740, 1335, 495});
    deleteButton = place(new QPushButton(QStringLiteral("削除"), this), "cmdDeletePreset",
                         {1440, 1740, 1335, 495});
    for (QPushButton* button : {saveButton, deleteButton})
        button->setAutoDefault(false);
    showPresets({});
    connect(list, &QListWidget::currentRowChanged, this,
            [this](int row) { deleteButton->setEnabled(usersRow(row).has_value()); });
    // Only a click or Enter chooses: the list's focus alone makes a row current.
    for (const auto signal : {&QListWidget::itemClicked, &QListWidget::itemActivated})
        connect(list, signal, this, &PresetPanel::choose);
    connect(saveButton, &QPushButton::clicked, this, &PresetPanel::askName);
    connect(deleteButton, &QPushButton::clicked, this, &PresetPanel::deleteChosen);
}

void PresetPanel::choose(const QListWidgetItem* item) {
    const std::size_t index = std::size_t(list->row(item));
    emit chosen(index < builtIn_.size() ? builtIn_[index].settings
                                        : stored_.presets[index - builtIn_.size()].settings);
}

void PresetPanel::askName() {
    bool given = false;
    const QString name =
        QInputDialog::getText(this, QStringLiteral("プリセットの保存"), QStringLiteral("名前："),
                              QLineEdit::Normal, presetName(current_()), &given);
    if (given)
        save(name);
}

void PresetPanel::save(const QString& typed) {
    const QString name = typed.simplified();
    if (name.isEmpty())
        return;
    const Preset preset{name, current_()};
    if (std::holds_alternative<SettingsField>(preset.settings.check())) {
        tellBadNumber(messageBoxes_, this);
        return;
    }
    const auto same = std::ranges::find(stored_.presets, name, &Preset::name);
    if (same != stored_.presets.end())
        *same = preset;
    else
        stored_.presets.push_back(preset);
    showPresets(name);
    store();
}

void PresetPanel::deleteChosen() {
    const std::optional<std::size_t> row = usersRow(list->currentRow());
    if (!row)
        return;
    stored_.presets.erase(stored_.presets.begin() + std::ptrdiff_t(*row));
    showPresets({});
    store();
}

void PresetPanel::showPresets(const QString& current) {
    const QSignalBlocker quiet(list); // showing the list chooses nothing
    list->clear();
    for (const Preset& preset : builtIn_)
        list->addItem(preset.name);
    for (const Preset& preset : stored_.presets) {
        list->addItem(preset.name);
        if (preset.name == current)
            list->setCurrentRow(list->count() - 1);
    }
    deleteButton->setEnabled(usersRow(list->currentRow()).has_value());
}

std::optional<std::size_t> PresetPanel::usersRow(int row) const {
    if (row < int(builtIn_.size()) || row >= list->count())
        return std::nullopt;
    return std::size_t(row) - builtIn_.size();
}

void PresetPanel::store() {
    if (saveGameSettings(stored_))
        return;
    messageBoxes_.ask(this,
                      {QStringLiteral("プリセットを %1 に保存できません。").arg(settingsFilePath()),
                       QStringLiteral("対局設定"), MessageBoxRequest::Buttons::Ok,
                       MessageBoxRequest::Icon::Warning});
}
