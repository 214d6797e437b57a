#include "about/about_window.h"

#include "platform/app_icon.h"
#include "platform/app_info.h"
#include "platform/drawing.h"
#include "platform/label.h"

#include <QPushButton>

namespace {

constexpr Qt::Alignment L = Qt::AlignLeft;

struct AboutLabel {
    Label* frmAbout::*member;
    LabelSpec spec;
};

// clang-format off
const AboutLabel kLabels[] = {
    {&frmAbout::lblTitle, {"lblTitle", "", {Face::Default, 15.75, true}, L, {1050, 240, 3885, 480}}},
    {&frmAbout::lblVersion, {"lblVersion", "", kDefaultFont, L, {1050, 780, 3885, 225}}},
    {&frmAbout::lblDescription, {"lblDescription", "バンクロです。", kDefaultFont, L, {1050, 1125, 3885, 690}}},
    {&frmAbout::lblDisclaimer, {"lblDisclaimer", "警告: ...将棋のやりすぎには注意しましょう。", kDefaultFont, L, {255, 2160, 3870, 465}}},
};

// The etched separator: a grey line with a white one beside it.
const std::vector<LineSpec> kLines = {
    {"Line1(0)", 105, 1950, 5520, 1950, 1, QColor(0x80, 0x80, 0x80)},
    {"Line1(1)", 105, 1965, 5520, 1965, 2, Qt::white},
};
// clang-format on

} // namespace

QString versionLine(int major, int minor, int revision) {
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3").arg(major).arg(minor).arg(revision);
}

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setFixedSize(TwipsRect{0, 0, 5730, 2715}.toPixels().size());
    setWindowIcon(appIcon());
    auto* background = new DrawnBackground(this, kLines, {});
    background->setGeometry(rect());

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(TwipsRect{4260, 2280, 1310, 345}.toPixels());
    cmdOK->setDefault(true); // Enter presses it; Esc rejects the dialog the same way
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(appIconPixmap(TwipsRect{240, 240, 540, 540}.toPixels().width()));
    picIcon->setGeometry(TwipsRect{240, 240, 540, 540}.toPixels());

    for (const AboutLabel& row : kLabels) {
        this->*row.member = makeLabel(this, row.spec);
        (this->*row.member)->setTextColor(Qt::black);
    }
    lblDescription->setWordWrap(true);
    lblDisclaimer->setWordWrap(true);
    Form_Load();
}

void frmAbout::Form_Load() {
    const QString title = QString::fromUtf8(app_info::kTitle);
    setWindowTitle(title + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
    lblVersion->setText(versionLine(app_info::kMajor, app_info::kMinor, app_info::kRevision));
    lblTitle->setText(title);
}
