#include "ui/common/select_lang_dlg.h"

#include "datafiles/countries.h"
#include "ui/common/about_box.h"
#include "ui/common/checked_picture.h"
#include "ui/common/qt_text.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kFlagRole = Qt::UserRole + 1;
constexpr int kFlagHeight = 20;
constexpr int kFlagWidth = 30;
constexpr int kNameGap = 5; // between the flag and the name

// A flag is shown only when its picture passes the checksum check.
QPixmap ScaledFlag(const std::string& gameDir, const std::string& flagCode) {
    if (flagCode.empty()) return {};
    const QPixmap picture = LoadFlag(gameDir, flagCode);
    if (picture.isNull()) return {};
    return picture.scaled(kFlagWidth, kFlagHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// The top of the dialog: the title picture, since the dialog has no words of its own to show yet.
class TBanner final : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {360, 150}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintAboutPicture(p, rect(), QCoreApplication::applicationName(), QString());
    }
};

// Draws a row: the flag at the left, the name 5 pixels to its right.
class TFlagItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        opt.icon = QIcon();
        opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        const QPixmap flag = index.data(kFlagRole).value<QPixmap>();
        const QRect r = option.rect.adjusted(3, 0, -3, 0);
        int x = r.left();
        if (!flag.isNull()) {
            painter->drawPixmap(x, r.top() + (r.height() - flag.height()) / 2, flag);
            x += flag.width() + kNameGap;
        } else {
            x += kFlagWidth + kNameGap;
        }
        const bool selected = option.state & QStyle::State_Selected;
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRect(x, r.top(), r.right() - x, r.height()), Qt::AlignVCenter | Qt::AlignLeft,
                          index.data(Qt::DisplayRole).toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(std::max(s.height(), kFlagHeight + 6));
        s.setWidth(s.width() + kFlagWidth + kNameGap + 6);
        return s;
    }
};
} // namespace

TSelectLangDlg::TSelectLangDlg(std::vector<TLangAvailable> languages, const std::string& gameDir,
                               QWidget* parent)
    : TKolForm(0, parent), languages_(std::move(languages)) {
    setObjectName("SelectLangDlg");
    std::stable_sort(languages_.begin(), languages_.end(),
                     [](const TLangAvailable& a, const TLangAvailable& b) { return a.name < b.name; });

    comboLanguage_ = new QComboBox(this);
    comboLanguage_->setObjectName("comboLanguage");
    comboLanguage_->setItemDelegate(new TFlagItemDelegate(comboLanguage_));
    comboLanguage_->setIconSize(QSize(kFlagWidth, kFlagHeight));
    comboLanguage_->setMinimumWidth(260);

    okBtn_ = new QPushButton(this);
    okBtn_->setObjectName("OKBtn");
    okBtn_->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    okBtn_->setDefault(true);
    okBtn_->setMinimumWidth(80);
    cancelBtn_ = new QPushButton(this);
    cancelBtn_->setObjectName("CancelBtn");
    cancelBtn_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    cancelBtn_->setMinimumWidth(80);
    connect(okBtn_, &QPushButton::clicked, this, &TSelectLangDlg::OKBtnClick);
    connect(cancelBtn_, &QPushButton::clicked, this, &QDialog::reject);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(new TBanner(this));
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(24, 12, 24, 18);
    layout->setSpacing(18);
    outer->addLayout(layout);
    layout->addWidget(comboLanguage_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn_);
    buttons->addWidget(cancelBtn_);
    layout->addLayout(buttons);

    ApplyTexts();
    setWindowTitle(QCoreApplication::applicationName());
    // The names are the languages' own, not text numbers: listed after the texts are applied.
    for (const TLangAvailable& lang : languages_) {
        const QPixmap flag = ScaledFlag(gameDir, lang.flagFile);
        comboLanguage_->addItem(flag.isNull() ? QIcon() : QIcon(flag), ToQString(lang.name));
        comboLanguage_->setItemData(comboLanguage_->count() - 1, flag, kFlagRole);
    }
    comboLanguage_->setCurrentIndex(languages_.empty() ? -1 : 0);
    okBtn_->setEnabled(!languages_.empty());
}

void TSelectLangDlg::OKBtnClick() {
    const std::string name = FromQString(comboLanguage_->currentText());
    for (const TLangAvailable& lang : languages_)
        if (lang.name == name) {
            selected_ = lang.code;
            accept();
            return;
        }
}

std::string SelectLanguage(const std::string& gameDir, QWidget* parent) {
    TSelectLangDlg dlg(FindLanguages(gameDir), gameDir, parent);
    if (dlg.exec() != QDialog::Accepted) return {};
    return dlg.SelectedCode();
}
