#pragma once

#include <QDialog>

#include "calc/converter_solver.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace mw {
class PromptService;
}

namespace mw::calculators {

// "Specific Gravity to/from Balling Converter" and "Alcohol by Volume to/from
// Alcohol by Weight": two fields, fill one, the other is worked out.
class CConverterDlg : public QDialog {
    Q_OBJECT

public:
    enum class Kind { SgBalling, AbvAbw };
    CConverterDlg(Kind kind, PromptService& prompts, QWidget* parent = nullptr);

    QLineEdit* field(int index) const { return m_fields[index]; }
    QLabel* fieldLabel(int index) const { return m_labels[index]; }
    QPushButton* calculateButton() const { return m_calculate; }
    QPushButton* recalculateButton() const { return m_recalculate; }
    QPushButton* clearButton() const { return m_clear; }
    const calc::ConverterSolver& solver() const { return m_solver; }

private:
    void apply(const calc::SolveOutcome& outcome);
    void refresh();

    calc::ConverterSolver m_solver;
    PromptService& m_prompts;
    QLineEdit* m_fields[2];
    QLabel* m_labels[2];
    QPushButton* m_calculate;
    QPushButton* m_recalculate;
    QPushButton* m_clear;
};

// The two converters under their own names.
class CSGBallingDlg : public CConverterDlg {
public:
    explicit CSGBallingDlg(PromptService& prompts, QWidget* parent = nullptr)
        : CConverterDlg(Kind::SgBalling, prompts, parent) {}
};
class CABVABWDlg : public CConverterDlg {
public:
    explicit CABVABWDlg(PromptService& prompts, QWidget* parent = nullptr)
        : CConverterDlg(Kind::AbvAbw, prompts, parent) {}
};

}  // namespace mw::calculators
