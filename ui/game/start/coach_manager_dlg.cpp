#include "ui/game/start/coach_manager_dlg.h"

#include "season/coach_manager.h"
#include "ui/common/object_list_view.h"
#include "world/coach.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kCaptionText = 212;
constexpr int kAddText = 211;
constexpr int kRemoveText = 210;
constexpr int kCloseText = 96;
// The coach row: his name, his club and the holiday mark.
constexpr int kCoachRow = ccName | ccClub | ccHoliday;
} // namespace

TcoachManagerDlg::TcoachManagerDlg(TCoachManager& manager, QWidget* parent)
    : TKolForm(kCaptionText, parent), manager_(manager),
      prototype_(std::make_unique<TCoach>(manager.World())) {
    setObjectName("TcoachManagerDlg");
    list_ = new TObjectListView(*prototype_, kCoachRow, kCoachRow, this);
    list_->setObjectName("coachesList");
    list_->view->setObjectName("ListBoxOfCoaches");
    list_->setMinimumSize(440, 220);
    addBtn_ = new QPushButton(this);
    addBtn_->setObjectName("addBtn");
    SetTextTag(addBtn_, kAddText);
    addBtn_->setShortcut(QKeySequence::New);
    removeBtn_ = new QPushButton(this);
    removeBtn_->setObjectName("removeBtn");
    SetTextTag(removeBtn_, kRemoveText);
    removeBtn_->setShortcut(QKeySequence::Delete);
    closeBtn_ = new QPushButton(this);
    closeBtn_->setObjectName("closeBtn");
    SetTextTag(closeBtn_, kCloseText);
    closeBtn_->setDefault(true);
    for (QPushButton* b : {addBtn_, removeBtn_}) b->setAutoDefault(false);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(addBtn_);
    buttons->addWidget(removeBtn_);
    buttons->addStretch();
    buttons->addWidget(closeBtn_);
    layout->addLayout(buttons);
    ApplyTexts();

    connect(addBtn_, &QPushButton::clicked, this, &TcoachManagerDlg::AddBtnClick);
    connect(removeBtn_, &QPushButton::clicked, this, &TcoachManagerDlg::RemoveBtnClick);
    connect(closeBtn_, &QPushButton::clicked, this, &TcoachManagerDlg::reject);
    connect(list_->view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TcoachManagerDlg::UpdateButtons);
    Refresh(nullptr);
}

TcoachManagerDlg::~TcoachManagerDlg() = default;

TCoach* TcoachManagerDlg::Selected() const {
    if (!list_->view->selectionModel()->hasSelection()) return nullptr;
    return static_cast<TCoach*>(list_->Current());
}

void TcoachManagerDlg::Refresh(const TCoach* select) {
    std::vector<TKolObject*> rows(manager_.Coaches().begin(), manager_.Coaches().end());
    list_->model->SetObjects(rows);
    list_->Select(select);
    UpdateButtons();
}

void TcoachManagerDlg::UpdateButtons() {
    addBtn_->setEnabled(manager_.CanAdd());
    removeBtn_->setEnabled(manager_.CanRemove(Selected()));
    closeBtn_->setEnabled(manager_.CanClose());
}

void TcoachManagerDlg::AddBtnClick() {
    const TCoach* added = manager_.Add();
    Refresh(added);
}

void TcoachManagerDlg::RemoveBtnClick() {
    TCoach* coach = Selected();
    if (!manager_.CanRemove(coach)) return;
    // A coach kept (No) stays selected.
    Refresh(manager_.Remove(*coach) ? nullptr : coach);
}

void TcoachManagerDlg::reject() {
    if (manager_.CanClose()) QDialog::reject();
}

void ShowCoachManagerDialog(TCoachManager& manager, QWidget* parent) {
    TcoachManagerDlg dialog(manager, parent);
    dialog.exec();
}
