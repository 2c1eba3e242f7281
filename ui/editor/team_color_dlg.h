#pragma once
// The team colours: a grid of colours that sets the text or the background colour of the team's rows, a
// preview with the team's short name, and a button that swaps the two colours.
#include "foundation/kol_object.h"
#include "ui/common/kol_form.h"

#include <QString>

class QLabel;
class QPushButton;
class QRadioButton;

class TTeamColorDlg final : public TKolForm {
    Q_OBJECT
public:
    TTeamColorDlg(TColor textColor, TColor backColor, const QString& sample, QWidget* parent = nullptr);

    TColor TextColor() const { return text_; }
    TColor BackColor() const { return back_; }
    // Gives the chosen colour to the text or the background, as the radio buttons say.
    void PickColor(TColor color);
    void SwapColors();

    QPushButton* SwapBtn() const { return swapBtn_; }
    QRadioButton* TextRadio() const { return textRadio_; }
    QRadioButton* BackRadio() const { return backRadio_; }
    QLabel* Preview() const { return preview_; }

    // The colours of the grid, as Windows colour values.
    static const QList<TColor>& GridColors();

private:
    void UpdatePreview();

    TColor text_;
    TColor back_;
    QLabel* preview_;
    QRadioButton* textRadio_;
    QRadioButton* backRadio_;
    QPushButton* swapBtn_;
};
