#pragma once

#include <QAbstractSpinBox>

class QLineEdit;

namespace mw::recipe_form {

// A score box with up and down arrows. The arrows (and the Up and Down keys)
// keep to the score's range; typing does not: whatever is typed stays as
// typed, and the page's transfer decides whether it is a number.
class CScoreSpinBox : public QAbstractSpinBox {
    Q_OBJECT

public:
    CScoreSpinBox(int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    // The edit box the transfers read and write.
    QLineEdit* edit() const { return lineEdit(); }

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    // The typed number kept to the range; the range's low end when the text
    // is not a whole number.
    int position() const;

    int m_minimum;
    int m_maximum;
};

}  // namespace mw::recipe_form
