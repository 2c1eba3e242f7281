#include "ui/common/kol_form.h"

#include "foundation/texts.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_placement.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QString Caption(int tag) {
    return ToQString(GetCaptionText(tag));
}
QString Hint(int tag) {
    return ToQString(GetHintText(tag));
}
QString ByNumber(const QString& item) {
    return ToQString(GetTextByNumberString(FromQString(item)));
}

void ApplyToWidget(QWidget* w) {
    const int tag = TextTag(w);
    if (w->inherits("TTrevanButton")) {
        // Graphic buttons show pictures; only their hint is a text.
        if (tag > 0) w->setToolTip(Hint(tag));
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        check->setText(Caption(tag));
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        if (tag > 0) {
            radio->setText(Caption(tag));
        } else if (auto* group = qobject_cast<QGroupBox*>(radio->parentWidget());
                   group && group->property(kRadioGroupProperty).toBool()) {
            radio->setText(ByNumber(radio->text()));
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (tag > 0 && (qobject_cast<QPushButton*>(w) || qobject_cast<QToolButton*>(w))) {
            button->setText(Caption(tag));
            button->setToolTip(Hint(tag));
        }
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (tag > 0) {
            label->setText(Caption(tag));
            label->setToolTip(Hint(tag));
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(Caption(tag));
        group->setToolTip(Hint(tag));
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < combo->count(); ++i) combo->setItemText(i, ByNumber(combo->itemText(i)));
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) tabs->setTabText(i, ByNumber(tabs->tabText(i)));
    } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
        // The bar of a tab widget is done with its widget.
        if (!qobject_cast<QTabWidget*>(bar->parentWidget()))
            for (int i = 0; i < bar->count(); ++i) bar->setTabText(i, ByNumber(bar->tabText(i)));
    } else if (auto* menu = qobject_cast<QMenu*>(w)) {
        if (tag > 0) menu->setTitle(Caption(tag));
    } else if (qstrcmp(w->metaObject()->className(), "QFrame") == 0) {
        if (tag > 0) w->setToolTip(Hint(tag));
    }
}
} // namespace

void SetTextTag(QObject* object, int tag) {
    object->setProperty(kTextTagProperty, tag);
}

int TextTag(const QObject* object) {
    bool ok = false;
    const int tag = object->property(kTextTagProperty).toInt(&ok);
    return ok ? tag : 0;
}

void ApplyFormTexts(QWidget* form) {
    form->setWindowTitle(Caption(TextTag(form)));
    // Children come in creation order, each followed by its own children.
    for (QObject* o : form->findChildren<QObject*>()) {
        if (auto* w = qobject_cast<QWidget*>(o)) {
            ApplyToWidget(w);
        } else if (auto* action = qobject_cast<QAction*>(o)) {
            // Menu items; a menu's own action takes the menu's tag through the menu above.
            const int tag = TextTag(action);
            if (tag > 0) action->setText(Caption(tag));
        }
    }
}

TKolForm::TKolForm(int formTag, QWidget* parent) : QDialog(parent) {
    SetTextTag(this, formTag);
}

void TKolForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) CenterOverParent(this);
}

void TKolForm::ApplyTexts() {
    ApplyFormTexts(this);
}

QLabel* TaggedLabel(QWidget* parent, int tag) {
    auto* label = new QLabel(parent);
    SetTextTag(label, tag);
    return label;
}

QPushButton* TKolForm::LayOutWithOkCancel(QLayout* content, int okTag, int cancelTag) {
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName("OKBtn");
    SetTextTag(ok, okTag);
    SetTextTag(buttons->addButton(QDialogButtonBox::Cancel), cancelTag);
    // accept() and reject() are virtual: a dialog's own checks on OK still run.
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addWidget(buttons);
    return ok;
}
