#include "ui/editor/team_color_dlg.h"

#include "editor/editor_texts.h"
#include "ui/common/qt_text.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kColumns = 8;
constexpr int kSwatch = 26;
} // namespace

const QList<TColor>& TTeamColorDlg::GridColors() {
    // 0x00BBGGRR: the strong colours clubs wear, in rows of light to dark.
    static const QList<TColor> colors{0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000, 0x00FFFF, 0x00D7FF,
                                      0x0080FF, 0x0000FF, 0x0000C0, 0x000080, 0x4080FF, 0x8080FF, 0xFF80FF,
                                      0x800080, 0x400040, 0xFF0000, 0xC00000, 0x800000, 0xFF8000, 0xFFC080,
                                      0xFFFF00, 0x808000, 0x404000, 0x00FF00, 0x00C000, 0x008000, 0x004000,
                                      0x80FF80, 0x408080, 0x004080, 0x0060A0};
    return colors;
}

TTeamColorDlg::TTeamColorDlg(TColor textColor, TColor backColor, const QString& sample, QWidget* parent)
    : TKolForm(kTxtTeamColoursCaption, parent), text_(textColor), back_(backColor) {
    setObjectName("TeamColorDlg");
    preview_ = new QLabel(sample.isEmpty() ? QStringLiteral("Kolbrin") : sample, this);
    preview_->setObjectName("preview");
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setMinimumHeight(44);
    QFont big = preview_->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    preview_->setFont(big);
    preview_->setAutoFillBackground(true);
    preview_->setFrameShape(QFrame::Box);

    textRadio_ = new QRadioButton(this);
    textRadio_->setObjectName("textRadio");
    SetTextTag(textRadio_, kTxtTextColour);
    textRadio_->setChecked(true);
    backRadio_ = new QRadioButton(this);
    backRadio_->setObjectName("backRadio");
    SetTextTag(backRadio_, kTxtBackColour);
    swapBtn_ = new QPushButton(this);
    swapBtn_->setObjectName("swapBtn");
    SetTextTag(swapBtn_, kTxtSwapColours);

    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    const QList<TColor>& colors = GridColors();
    for (int i = 0; i < colors.size(); ++i) {
        auto* swatch = new QToolButton(this);
        swatch->setFixedSize(kSwatch, kSwatch);
        swatch->setAutoRaise(false);
        swatch->setStyleSheet(QStringLiteral("QToolButton{background:%1;border:1px solid #555;}"
                                             "QToolButton:hover{border:2px solid #000;}")
                                  .arg(ToQColor(colors[i]).name()));
        const TColor color = colors[i];
        connect(swatch, &QToolButton::clicked, this, [this, color] { PickColor(color); });
        grid->addWidget(swatch, i / kColumns, i % kColumns);
    }

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName("OKBtn");
    SetTextTag(ok, kTxtOK);
    auto* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    SetTextTag(cancel, kTxtCancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(swapBtn_, &QPushButton::clicked, this, &TTeamColorDlg::SwapColors);

    auto* radios = new QHBoxLayout;
    radios->addWidget(textRadio_);
    radios->addWidget(backRadio_);
    radios->addStretch();
    radios->addWidget(swapBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(preview_);
    layout->addLayout(radios);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    ApplyTexts();
    UpdatePreview();
}

void TTeamColorDlg::PickColor(TColor color) {
    (textRadio_->isChecked() ? text_ : back_) = color;
    UpdatePreview();
}

void TTeamColorDlg::SwapColors() {
    std::swap(text_, back_);
    UpdatePreview();
}

void TTeamColorDlg::UpdatePreview() {
    QPalette p = preview_->palette();
    p.setColor(QPalette::Window, ToQColor(back_));
    p.setColor(QPalette::WindowText, ToQColor(text_));
    preview_->setPalette(p);
}
