// The texts of a small form come from a labels file written for the test.
#include "ui/common/kol_form.h"

#include "foundation/labels_line.h"
#include "foundation/texts.h"
#include "ui/common/trevan_button.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <fstream>

namespace {
// Line n of the file is the text of number n.
const std::vector<std::string> kLines = {
    "KB2002 - LABEL",                   // 1
    "en English",                       // 2
    "GBR",                              // 3
    "Options",                          // 4
    "\xBBSave\xABSaves the career now", // 5
    "Sound",                            // 6
    "X",                                // 7: an empty entry
    "Fast",                             // 8
    "Slow",                             // 9
    "Game",                             // 10
    "Match",                            // 11
    "Kolbrin",                          // 12
    "M\xE9todo",                        // 13: Windows-1252
    "last line",                        // 14: never yields a text
};

void WriteLabels(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : kLines) out << (line == "X" ? line : EncodeLabelsLine(line)) << "\r\n";
}

template <class W> W* Tagged(W* w, int tag) {
    SetTextTag(w, tag);
    return w;
}
} // namespace

class KolFormTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void initTestCase() {
        const std::string path = dir_.filePath("labels.kbl").toStdString();
        WriteLabels(path);
        OpenLabelsFile(path);
    }
    void cleanupTestCase() { CloseLabelsFile(); }

    void captionsAndHintsOfButtonsLabelsAndGroups() {
        TKolForm form(4);
        auto* layout = new QVBoxLayout(&form);
        auto* save = Tagged(new QPushButton("designed", &form), 5);
        auto* sound = Tagged(new QLabel("designed", &form), 6);
        auto* value = new QLabel("12 345", &form);
        auto* negative = Tagged(new QLabel("kept", &form), -3);
        auto* untagged = new QGroupBox("designed", &form);
        auto* group = Tagged(new QGroupBox("designed", &form), 13);
        auto* frame = Tagged(new QFrame(&form), 5);
        auto* checked = Tagged(new QCheckBox("designed", &form), 6);
        auto* bareCheck = new QCheckBox("designed", &form);
        auto* empty = Tagged(new QPushButton("designed", &form), 7);
        for (QWidget* w : form.findChildren<QWidget*>()) layout->addWidget(w);
        ApplyFormTexts(&form);

        QCOMPARE(form.windowTitle(), QString("Options "));
        QCOMPARE(save->text(), QString("Save"));
        QCOMPARE(save->toolTip(), QString("Saves the career now "));
        QCOMPARE(sound->text(), QString("Sound "));
        QCOMPARE(sound->toolTip(), QString("Sound "));
        QCOMPARE(value->text(), QString("12 345"));
        QCOMPARE(negative->text(), QString("kept"));
        QCOMPARE(untagged->title(), QString());
        QCOMPARE(group->title(), QString::fromUtf8("M\xC3\xA9todo "));
        QCOMPARE(frame->toolTip(), QString("Saves the career now "));
        QCOMPARE(checked->text(), QString("Sound "));
        QCOMPARE(bareCheck->text(), QString());
        QCOMPARE(empty->text(), QString(" ")); // an empty entry still gets its blank
    }

    void graphicButtonsTakeOnlyTheirHint() {
        TKolForm form(0);
        auto* tagged = Tagged(new TTrevanButton(&form), 5);
        tagged->setText("designed");
        auto* untagged = new TTrevanButton(&form);
        untagged->setText("designed");
        untagged->SetHint("designed hint");
        ApplyFormTexts(&form);
        QCOMPARE(tagged->Hint(), QString("Saves the career now "));
        QCOMPARE(tagged->text(), QString("designed"));
        QCOMPARE(untagged->Hint(), QString("designed hint"));
        QCOMPARE(untagged->text(), QString("designed"));
    }

    void itemStringsAreTextNumbers() {
        TKolForm form(0);
        auto* combo = new QComboBox(&form);
        combo->addItems({"8", "9", "fast", "7", "-2", "999"});
        auto* tabs = new QTabWidget(&form);
        tabs->addTab(new QWidget, "10");
        tabs->addTab(new QWidget, "11");
        auto* bar = new QTabBar(&form);
        bar->addTab("9");
        auto* radioGroup = new QGroupBox(&form);
        radioGroup->setProperty(kRadioGroupProperty, true);
        auto* fast = new QRadioButton("8", radioGroup);
        auto* taggedRadio = Tagged(new QRadioButton("8", radioGroup), 6);
        auto* looseRadio = new QRadioButton("8", &form);
        ApplyFormTexts(&form);

        QCOMPARE(form.windowTitle(), QString());
        QCOMPARE(combo->count(), 6);
        QCOMPARE(combo->itemText(0), QString("Fast"));
        QCOMPARE(combo->itemText(1), QString("Slow"));
        QCOMPARE(combo->itemText(2), QString()); // not a number
        QCOMPARE(combo->itemText(3), QString()); // an empty entry
        QCOMPARE(combo->itemText(4), QString());
        QCOMPARE(combo->itemText(5), QString()); // beyond the file
        // The tab widget's own bar is not converted a second time.
        QCOMPARE(tabs->tabText(0), QString("Game"));
        QCOMPARE(tabs->tabText(1), QString("Match"));
        QCOMPARE(bar->tabText(0), QString("Slow"));
        QCOMPARE(fast->text(), QString("Fast"));
        QCOMPARE(taggedRadio->text(), QString("Sound "));
        QCOMPARE(looseRadio->text(), QString("8"));
    }

    void menusTakeTheCaptionsOfTheirTags() {
        TKolForm form(12);
        auto* bar = new QMenuBar(&form);
        auto* menu = Tagged(new QMenu("designed", &form), 12);
        bar->addMenu(menu);
        QAction* save = menu->addAction("designed");
        SetTextTag(save, 5);
        QAction* plain = menu->addAction("kept");
        auto* popup = new QMenu(&form);
        QAction* sound = popup->addAction("designed");
        SetTextTag(sound, 6);
        ApplyFormTexts(&form);

        QCOMPARE(form.windowTitle(), QString("Kolbrin "));
        QCOMPARE(menu->title(), QString("Kolbrin "));
        QCOMPARE(save->text(), QString("Save"));
        QCOMPARE(plain->text(), QString("kept"));
        QCOMPARE(sound->text(), QString("Sound "));
    }

    void withoutALabelsFileEveryCaptionIsBlank() {
        CloseLabelsFile();
        TKolForm form(4);
        auto* save = Tagged(new QPushButton("designed", &form), 5);
        ApplyFormTexts(&form);
        QCOMPARE(form.windowTitle(), QString(" "));
        QCOMPARE(save->text(), QString(" "));
        OpenLabelsFile(dir_.filePath("labels.kbl").toStdString());
    }
};

QTEST_MAIN(KolFormTest)
#include "kol_form_test.moc"
