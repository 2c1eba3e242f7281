#include "ui/editor/cant_save_team_dlg.h"

#include "datafiles/team_check.h"
#include "foundation/format_text.h"
#include "foundation/texts.h"
#include "ui/common/qt_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kOKText = 71;
}

TCantSaveTeamDlg::TCantSaveTeamDlg(const std::string& caption, std::uint32_t flags, QWidget* parent)
    : TKolForm(0, parent) {
    setObjectName("CantSaveTeamDlg");
    heading_ = new QLabel(this);
    heading_->setObjectName("heading");
    SetTextTag(heading_, kTeamCheckHeadingText);
    reasons_ = new QListWidget(this);
    reasons_->setObjectName("reasons");
    reasons_->setSelectionMode(QAbstractItemView::NoSelection);
    reasons_->setMinimumWidth(420);
    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName("OKBtn");
    SetTextTag(okBtn_, kOKText);
    okBtn_->setDefault(true);
    connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(reasons_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn_);
    layout->addLayout(buttons);
    ApplyTexts();

    setWindowTitle(ToQString(caption));
    reasons_->addItems(ReasonLines(flags));
    reasons_->setMinimumHeight(reasons_->sizeHintForRow(0) * (reasons_->count() + 1) + 4);
}

QStringList TCantSaveTeamDlg::ReasonLines(std::uint32_t flags) {
    QStringList lines;
    for (const TTeamCheckReason& r : TeamCheckReasons()) {
        if (!(flags & r.bit)) continue;
        const std::string text = GetText(r.text);
        lines << ToQString(r.formatNumber ? Format(text, {r.formatNumber}) : text);
    }
    return lines;
}

void ShowCantSaveTeamDlg(const std::string& caption, std::uint32_t flags, QWidget* parent) {
    TCantSaveTeamDlg dlg(caption, flags, parent);
    dlg.exec();
}
