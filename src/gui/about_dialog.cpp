#include "gui/about_dialog.h"

#include "app_info.h"
#include "gui/widgets/app_icon.h"
#include "gui/widgets/drawing.h"
#include "gui/widgets/label.h"
#include "gui/widgets/window_geometry.h"

#include <QPushButton>

namespace {

using namespace table_alignment;

struct AboutLabel {
    Label* AboutDialog::*member;
    LabelSpec spec;
};

// clang-format off
const AboutLabel kLabels[] = {
    {&AboutDialog::titleLabel, {"lblTitle", "", {Face::Default, 15.75, true}, L, {1050, 240, 3885, 480}}},
    {&AboutDialog::versionLabel, {"lblVersion", "", kDefaultFont, L, {1050, 780, 3885, 225}}},
    {&AboutDialog::descriptionLabel, {"lblDescription", "バンクロです。", kDefaultFont, L, {1050, 1125, 3885, 690}}},
    {&AboutDialog::warningLabel, {"lblDisclaimer", "警告: ...将棋のやりすぎには注意しましょう。", kDefaultFont, L, {255, 2160, 3870, 465}}},
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

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, kFixedSizeDialog) {
    setFixedSize(TwipsRect{0, 0, 5730, 2715}.toPixels().size());
    setWindowIcon(appIcon());
    auto* background = new DrawnBackground(this, kLines, {});
    background->setGeometry(rect());

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setGeometry(TwipsRect{4260, 2280, 1310, 345}.toPixels());
    okButton->setDefault(true); // Enter presses it; Esc rejects the dialog the same way
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    iconImage = new QLabel(this);
    iconImage->setObjectName(QStringLiteral("picIcon"));
    iconImage->setPixmap(appIconPixmap(TwipsRect{240, 240, 540, 540}.toPixels().width()));
    iconImage->setGeometry(TwipsRect{240, 240, 540, 540}.toPixels());

    for (const AboutLabel& row : kLabels)
        this->*row.member = makeLabel(this, row.spec);
    descriptionLabel->setWordWrap(true);
    warningLabel->setWordWrap(true);
    fillTexts();
}

void AboutDialog::fillTexts() {
    const QString title = QString::fromUtf8(app_info::kTitle);
    setWindowTitle(title + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
    versionLabel->setText(versionLine(app_info::kMajor, app_info::kMinor, app_info::kRevision));
    titleLabel->setText(title);
}
