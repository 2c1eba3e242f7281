#pragma once
// A player of the editor: name, age, position, star, behaviour and nationality. A name that is empty or
// holds "*" is refused and the dialog stays open.
#include "datafiles/player_attr.h"
#include "ui/common/kol_form.h"

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

class TPlayerPropertiesDlg final : public TKolForm {
    Q_OBJECT
public:
    // The bar's usual range; it widens to include the age of a player outside it.
    static constexpr int kMinAge = 18;
    static constexpr int kMaxAge = 33;

    // `gameDir` holds the "flags" folder.
    TPlayerPropertiesDlg(const TPlayerAttr& player, const std::string& gameDir, QWidget* parent = nullptr);

    // The record as edited (valid after OK).
    const TPlayerAttr& Player() const { return player_; }

    QLineEdit* NameEdit() const { return nameEdit_; }
    QSlider* AgeBar() const { return ageBar_; }
    QComboBox* PositionCombo() const { return positionCombo_; }
    QComboBox* BehaviourCombo() const { return behaviourCombo_; }
    QComboBox* NationalityCombo() const { return nationalityCombo_; }
    QCheckBox* StarCheck() const { return starCheck_; }
    QPushButton* OKBtn() const { return okBtn_; }

    void accept() override;

private:
    TPlayerAttr player_;
    QLineEdit* nameEdit_;
    QSlider* ageBar_;
    QLabel* ageValue_;
    QComboBox* positionCombo_;
    QComboBox* behaviourCombo_;
    QComboBox* nationalityCombo_;
    QCheckBox* starCheck_;
    QPushButton* okBtn_;
};
