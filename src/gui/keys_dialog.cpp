#include "gui/keys_dialog.h"

#include "gui/key_texts.h"
#include "gui/widgets/app_icon.h"
#include "gui/widgets/fonts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

struct KeyUse {
    const char* key; // nullptr for the move keys of `mover`, as they are set
    const char* use;
    Side mover = Side::Left;
    bool tapOnly = false; // shown while a tap on the face ends a move
};

const KeyUse kKeyUses[] = {
    {nullptr, "左の対局者が指し終えて、右の手番にする（時計が動いているとき）", Side::Left},
    {nullptr, "右の対局者が指し終えて、左の手番にする（時計が動いているとき）", Side::Right},
    {"タップ", "手番の対局者が画面の自分の側をタップ・クリックして手番を渡す", Side::Left, true},
    {"S", "対局設定を開く（対局の前と、対局と対局の間）"},
    {"P", "対局を中断して中断の画面を開く。中断の画面では対局を再開する"},
    {"F2", "中断の画面から対局を再開する"},
    {"F4", "手番の対局者の投了（確かめてから。既定の答えはキャンセル）"},
    {"F5", "千日手で指し直す（確かめてから。既定の答えはキャンセル）"},
    {"F11", "全画面表示にする／元に戻す"},
    {"F1", "対局設定を閉じる"},
    {"Tab", "対局設定の中で次の欄へ。対局開始まで進めて Space で対局を始める"},
};

} // namespace

KeysDialog::KeysDialog(const InputOptions& options, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("操作方法"));
    setWindowIcon(appIcon());
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    const QFont keyFont = fontFor({Face::Default, 9, true});
    int row = 0;
    for (const KeyUse& keyUse : kKeyUses) {
        if (keyUse.tapOnly && !options.tap)
            continue;
        const QString keyName =
            keyUse.key ? QString::fromUtf8(keyUse.key) : keyListText(options.keysOf(keyUse.mover));
        auto* key = new QLabel(keyName, this);
        key->setFont(keyFont);
        auto* use = new QLabel(QString::fromUtf8(keyUse.use), this);
        use->setFont(fontFor(kDefaultFont));
        grid->addWidget(key, row, 0, Qt::AlignTop);
        grid->addWidget(use, row++, 1);
    }
    auto* buttons = new QDialogButtonBox(this);
    okButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    okButton->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(buttons, row, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}
