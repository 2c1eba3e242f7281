#pragma once
// A field that holds at most so many characters shows how many it holds and how many it may hold ("12/40")
// at its right edge, so that the limit is seen before a name runs into it.
#include <QLabel>

class QLineEdit;

class TLengthHint final : public QLabel {
    Q_OBJECT
public:
    // Shows the count of `field` (whose maxLength is the limit) inside it, kept up to date as it changes.
    explicit TLengthHint(QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Update();
    void Place();
    QLineEdit* field_;
};

// The hint for each of the fields.
void ShowLengthHints(std::initializer_list<QLineEdit*> fields);
