#include "gui/key_settings_dialog.h"

#include "gui/command_keys.h"
#include "gui/key_texts.h"
#include "gui/qt_key_names.h"
#include "gui/widgets/app_icon.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/key_preview.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kHint = QStringLiteral("「キーを追加」を押してから、使うキーを押して下さい。\n"
                                     "多くのフットペダルは F13〜F24 を送るように設定できます。");

// Held with the key meant, they wait for it.
bool isModifier(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

} // namespace

KeySettingsDialog::KeySettingsDialog(InputLayer& input, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , input_(input)
    , options_(input.options()) {
    setWindowTitle(QStringLiteral("キー設定"));
    setWindowIcon(appIcon());
    buildLayout();
    showKeys();
    new KeyPreview(this, input, [this](std::optional<Command>, const QKeyEvent& key) {
        return previewKey(key);
    });
}

void KeySettingsDialog::buildLayout() {
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    for (const Side side : kBothSides)
        buildSideRow(grid, side);
    tapBox =
        new QCheckBox(QStringLiteral("自分の側の画面をタップ・クリックしても手番を渡す"), this);
    tapBox->setChecked(options_.tap);
    connect(tapBox, &QCheckBox::toggled, this, [this](bool on) { options_.tap = on; });
    messageLabel = new QLabel(kHint, this);
    messageLabel->setMinimumHeight(messageLabel->sizeHint().height()); // the window keeps its size
    grid->addWidget(tapBox, 2, 0, 1, 4);
    grid->addWidget(messageLabel, 3, 0, 1, 4);
    grid->addWidget(buildButtons(), 4, 0, 1, 4);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    addButtons[indexOf(Side::Left)]->setFocus(); // Space records the left side's key
}

void KeySettingsDialog::buildSideRow(QGridLayout* grid, Side side) {
    const std::size_t i = indexOf(side);
    auto* name = new QLabel(sideText(side), this);
    name->setFont(fontFor({Face::Default, 9, true}));
    keysLabels[i] = new QLabel(this);
    keysLabels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    keysLabels[i]->setMargin(3);
    keysLabels[i]->setMinimumWidth(180);
    addButtons[i] = new QPushButton(QStringLiteral("キーを追加"), this);
    clearButtons[i] = new QPushButton(QStringLiteral("消去"), this);
    // Enter stays OK's, whichever of them has the focus.
    addButtons[i]->setAutoDefault(false);
    clearButtons[i]->setAutoDefault(false);
    connect(addButtons[i], &QPushButton::clicked, this, [this, side] { record(side); });
    connect(clearButtons[i], &QPushButton::clicked, this, [this, side] {
        options_.keysOf(side).clear();
        showKeys();
    });
    QWidget* const cells[] = {name, keysLabels[i], addButtons[i], clearButtons[i]};
    for (int column = 0; column < 4; ++column)
        grid->addWidget(cells[column], int(i), column);
}

QDialogButtonBox* KeySettingsDialog::buildButtons() {
    auto* buttons = new QDialogButtonBox(this);
    defaultsButton =
        buttons->addButton(QStringLiteral("既定のキーに戻す"), QDialogButtonBox::ResetRole);
    okButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cancelButton = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    okButton->setDefault(true);
    connect(defaultsButton, &QPushButton::clicked, this, [this] {
        options_.moveKeys = optionsOf(defaultKeyBindings()).moveKeys;
        showKeys();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &KeySettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

InputOptions KeySettingsDialog::options() const {
    return options_;
}

void KeySettingsDialog::record(Side side) {
    recording_ = side;
    messageLabel->setText(
        QStringLiteral("%1のキーを押して下さい（Esc でやめる）。").arg(sideText(side)));
}

void KeySettingsDialog::accept() {
    recording_.reset();
    for (const Side side : kBothSides)
        if (options_.keysOf(side).empty()) {
            messageLabel->setText(
                QStringLiteral("%1のキーがありません。「キーを追加」で登録して下さい。")
                    .arg(sideText(side)));
            return;
        }
    QDialog::accept();
}

// While recording, every key is the one recorded and reaches no button: Enter must not
// close the window, nor Space press the focused button. A held key's repeats are dropped.
bool KeySettingsDialog::previewKey(const QKeyEvent& key) {
    if (!recording_)
        return false;
    if (key.key() == Qt::Key_Escape) {
        recording_.reset();
        messageLabel->setText(kHint);
    } else if (!key.isAutoRepeat() && !isModifier(key.key())) {
        take(key.key());
    }
    return true;
}

void KeySettingsDialog::take(int key) {
    const Side side = *recording_;
    if (const std::optional<QString> why = refusal(key, side)) {
        messageLabel->setText(*why + QStringLiteral("\n別のキーを押して下さい（Esc でやめる）。"));
        return;
    }
    std::vector<int>& keys = options_.keysOf(side);
    if (std::ranges::find(keys, key) == keys.end())
        keys.push_back(key);
    recording_.reset();
    messageLabel->setText(
        QStringLiteral("%1 を%2のキーにしました。").arg(keyText(key), sideText(side)));
    showKeys();
}

std::optional<QString> KeySettingsDialog::refusal(int key, Side side) const {
    const QtKeyNames names;
    if (names.keyNamed(names.nameOf(key)) != key)
        return QStringLiteral("このキーには名前がないので使えません。");
    if (const std::optional<Command> taken = input_.takenBy(key, side, options_))
        return QStringLiteral("%1 は%2のキーなので使えません。")
            .arg(keyText(key), commandText(*taken));
    return std::nullopt;
}

void KeySettingsDialog::showKeys() {
    for (const Side side : kBothSides)
        keysLabels[indexOf(side)]->setText(keyListText(options_.keysOf(side)));
}
