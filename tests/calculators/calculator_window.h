#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QMetaType>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "calc/hop_utilization.h"
#include "calculators/alcohol_calc_dlg.h"
#include "calculators/bitterness_calc_dlg.h"
#include "calculators/converter_dlg.h"
#include "calculators/og_calc_dlg.h"

namespace mw::test {

// The five calculator and converter windows, for tests that run over each.
enum class CalculatorKind { Bitterness, Gravity, Alcohol, SgBalling, AbvAbw };

inline const calc::HopUtilizationTable& tinsethUtilization() {
    static const calc::HopUtilizationTable table = calc::HopUtilizationTable::tinsethDefaults();
    return table;
}

// One open window with what a test reaches for: its fields by the solver's
// field number and its Calculate button.
struct CalculatorWindow {
    std::unique_ptr<QDialog> dialog;
    std::function<QLineEdit*(int field)> field;
    QPushButton* calculate = nullptr;
};

inline CalculatorWindow openCalculator(CalculatorKind kind, PromptService& prompts) {
    CalculatorWindow w;
    const auto take = [&w](auto* dlg) {
        w.dialog.reset(dlg);
        w.field = [dlg](int f) { return dlg->field(f); };
        w.calculate = dlg->calculateButton();
    };
    switch (kind) {
        case CalculatorKind::Bitterness:
            take(new calculators::CBitternessCalcDlg(tinsethUtilization(), prompts, {}));
            break;
        case CalculatorKind::Gravity:
            take(new calculators::COGCalcDlg(prompts, {}));
            break;
        case CalculatorKind::Alcohol:
            take(new calculators::CAlcoholCalcDlg(prompts));
            break;
        case CalculatorKind::SgBalling:
            take(new calculators::CSGBallingDlg(prompts));
            break;
        case CalculatorKind::AbvAbw:
            take(new calculators::CABVABWDlg(prompts));
            break;
    }
    w.dialog->show();
    w.dialog->activateWindow();
    return w;
}

// Types into a field as a user would: select all, then the keys.
inline void typeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    } else {
        QTest::keyClicks(field, text);
    }
}

}  // namespace mw::test

Q_DECLARE_METATYPE(mw::test::CalculatorKind)
