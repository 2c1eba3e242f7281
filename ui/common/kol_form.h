#pragma once
// The base of every dialog of both programs. A dialog carries no text of its own: the form and each of its
// widgets carry the number of their text in the labels file as the dynamic property "textTag", and lists
// carry text numbers as their item strings; ApplyFormTexts puts the texts of the chosen language in place.
#include <QDialog>

class QLabel;
class QLayout;
class QPushButton;

inline constexpr const char* kTextTagProperty = "textTag";
// Set on a QGroupBox whose radio buttons are the items of one choice: their texts are text numbers.
inline constexpr const char* kRadioGroupProperty = "radioGroup";

// The text number of a widget, action or menu (0 when it has none).
void SetTextTag(QObject* object, int tag);
int TextTag(const QObject* object);
// A label that takes its caption from text `tag` when the form's texts are applied.
QLabel* TaggedLabel(QWidget* parent, int tag);

// Applies the labels file's texts to a form and every widget, menu and action below it:
// - the form: caption := caption text of its tag (a TKolForm opens centred over its parent window);
// - push and tool buttons, labels and plain frames with a tag above 0, and every group box (tag 0 gives an
//   empty caption): caption and hint (tooltip) from the tag; a plain frame shows no caption, only the hint;
// - graphic buttons (TTrevanButton) with a tag above 0: only the hint;
// - check boxes: caption from the tag;
// - radio buttons with a tag above 0: caption from the tag; the buttons of a radio group (a group box marked
//   kRadioGroupProperty) that have no tag: their text is a text number, replaced by that text;
// - combo box items, tab titles and the page titles of a tab widget: text numbers, replaced by their texts;
//   an item that is not a number becomes empty;
// - menus and actions with a tag above 0: caption from the tag.
// The size of the form is kept.
void ApplyFormTexts(QWidget* form);

class TKolForm : public QDialog {
    Q_OBJECT
public:
    // `formTag` is the text number of the dialog's caption (0 for none).
    explicit TKolForm(int formTag, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    // Each dialog calls this once at the end of its constructor, when all its widgets exist, and fills lists
    // of data (names, not text numbers) only afterwards.
    void ApplyTexts();
    // Lays out the dialog as `content` above an OK and a Cancel button (texts `okTag` and `cancelTag`) that
    // accept and reject it; returns the OK button, named "OKBtn".
    QPushButton* LayOutWithOkCancel(QLayout* content, int okTag = 71, int cancelTag = 72);
};
